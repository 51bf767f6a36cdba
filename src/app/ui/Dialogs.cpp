#include "app/ui/Dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QQueue>

namespace {

struct Script {
    bool scripted = false;
    QQueue<Dialogs::Answer> answers;
    QQueue<QString> inputs;
    QQueue<QString> fileNames;
    QStringList shown;
};

// The seam's own state; only tests change it.
Script &script()
{
    static Script s;
    return s;
}

QString titleOr(const QString &title)
{
    return title.isEmpty() ? QStringLiteral("Velmora") : title;
}

Dialogs::Answer nextAnswer(Dialogs::Answer fallback)
{
    return script().answers.isEmpty() ? fallback : script().answers.dequeue();
}

} // namespace

namespace Dialogs {

void information(QWidget *parent, const QString &text, const QString &title)
{
    script().shown.append(text);
    if (script().scripted) {
        if (!script().answers.isEmpty() && script().answers.head() == Answer::Ok)
            script().answers.dequeue();
        return;
    }
    QMessageBox::information(parent, titleOr(title), text);
}

Answer askYesNoCancel(QWidget *parent, const QString &text, const QString &title)
{
    script().shown.append(text);
    if (script().scripted)
        return nextAnswer(Answer::Cancel);
    const auto b =
        QMessageBox::information(parent, titleOr(title), text,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    return b == QMessageBox::Yes ? Answer::Yes : b == QMessageBox::No ? Answer::No : Answer::Cancel;
}

Answer askYesNo(QWidget *parent, const QString &text, const QString &title)
{
    script().shown.append(text);
    if (script().scripted)
        return nextAnswer(Answer::No);
    const auto b = QMessageBox::information(parent, titleOr(title), text, QMessageBox::Yes | QMessageBox::No,
                                            QMessageBox::Yes);
    return b == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

bool inputText(QWidget *parent, const QString &title, const QString &prompt, QString &text, bool password)
{
    script().shown.append(prompt);
    if (script().scripted) {
        if (script().inputs.isEmpty())
            return false;
        const QString next = script().inputs.dequeue();
        if (next.isNull())
            return false;
        text = next;
        return true;
    }
    bool ok = false;
    const QString result = QInputDialog::getText(
        parent, titleOr(title), prompt, password ? QLineEdit::Password : QLineEdit::Normal, text, &ok);
    if (ok)
        text = result;
    return ok;
}

QString openFileName(QWidget *parent, const QString &title, const QString &dir, const QString &filter)
{
    if (script().scripted)
        return script().fileNames.isEmpty() ? QString() : script().fileNames.dequeue();
    return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString saveFileName(QWidget *parent, const QString &title, const QString &dir, const QString &filter)
{
    if (script().scripted)
        return script().fileNames.isEmpty() ? QString() : script().fileNames.dequeue();
    return QFileDialog::getSaveFileName(parent, title, dir, filter);
}

void setScripted(bool scripted)
{
    script().scripted = scripted;
}

void queueAnswer(Answer answer)
{
    script().answers.enqueue(answer);
}

void queueInput(const QString &text)
{
    script().inputs.enqueue(text);
}

void queueFileName(const QString &fileName)
{
    script().fileNames.enqueue(fileName);
}

QString lastMessage()
{
    return script().shown.isEmpty() ? QString() : script().shown.last();
}

QStringList shownMessages()
{
    return script().shown;
}

void clearScript()
{
    script().answers.clear();
    script().inputs.clear();
    script().fileNames.clear();
    script().shown.clear();
}

} // namespace Dialogs
