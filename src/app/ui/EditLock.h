#pragma once

#include <QString>

class QWidget;
struct AppState;

// The password dialog that guards editing of registers and tables: title "Ange TOVALKE
// lösenord", prompt "LÖSENORD", the input upper-cased (ASCII letters only).
namespace EditLock {

enum class Variant {
    ProgramPassword, // compared with EditLockPassword; "OPEN" unlocks without asking
    FixedPassword,   // compared with the fixed TOVALKE, whatever losenord.txt says
};

// The input as compared: a to z upper-cased, every other character as typed.
QString UpperAscii(const QString &text);

// Asks for the password; true when the lock opens. A wrong password shows `wrongMessage`;
// Cancel returns false without a message.
bool Unlock(QWidget *parent, const AppState &app, Variant variant,
            const QString &wrongMessage = QStringLiteral("Fel lösenord!"));

} // namespace EditLock
