#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every message box, question, input box and file dialog of the program goes through here,
// so that a test can give the next answers and read what the user was told.
namespace Dialogs {

enum class Answer { Yes, No, Cancel, Ok };

// An information message with an OK button.
void information(QWidget *parent, const QString &text, const QString &title = {});

// An information question with Yes, No and Cancel.
Answer askYesNoCancel(QWidget *parent, const QString &text, const QString &title = {});

// A question with Yes and No.
Answer askYesNo(QWidget *parent, const QString &text, const QString &title = {});

// An input box; returns false when the user cancelled.
bool inputText(QWidget *parent, const QString &title, const QString &prompt, QString &text,
               bool password = false);

// File dialogs; an empty result means the user cancelled.
QString openFileName(QWidget *parent, const QString &title, const QString &dir, const QString &filter);
QString saveFileName(QWidget *parent, const QString &title, const QString &dir, const QString &filter);

// --- The test seam --------------------------------------------------------------------------
// While scripted, no dialog is shown: the queued answers are used in order (an empty queue
// answers Cancel, an empty input and an empty file name), and every text shown is recorded.
void setScripted(bool scripted);
void queueAnswer(Answer answer);
void queueInput(const QString &text); // a null QString stands for Cancel
void queueFileName(const QString &fileName);
QString lastMessage();
QStringList shownMessages();
void clearScript();

} // namespace Dialogs
