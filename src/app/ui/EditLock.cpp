#include "app/ui/EditLock.h"

#include "app/AppState.h"
#include "app/ui/Dialogs.h"

namespace EditLock {

QString UpperAscii(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 'a' + 'A');
    return out;
}

bool Unlock(QWidget *parent, const AppState &app, Variant variant, const QString &wrongMessage)
{
    const QString expected =
        variant == Variant::ProgramPassword ? app.EditLockPassword : QStringLiteral("TOVALKE");
    if (variant == Variant::ProgramPassword && app.EditLockPassword == u"OPEN")
        return true;
    QString typed;
    if (!Dialogs::inputText(parent, QStringLiteral("Ange TOVALKE lösenord"), QStringLiteral("LÖSENORD"),
                            typed, true))
        return false;
    if (UpperAscii(typed) != expected) {
        Dialogs::information(parent, wrongMessage);
        return false;
    }
    return true;
}

} // namespace EditLock
