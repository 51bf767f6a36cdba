// The recovery copy of the unsaved Computation: kept while there are unsaved changes, offered
// at the next start when the program ended without saving, removed when the work is saved or
// deliberately discarded.
#include "app/ProgramState.h"
#include "app/ui/Dialogs.h"
#include "app/ui/TForm1.h"
#include "files/ComputationFiles.h"
#include "files/RecoveryCopy.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTimer>

namespace {

// Long enough that typing is not slowed by writes, short enough that a crash costs little.
constexpr int DefaultRecoveryInterval = 30 * 1000;

} // namespace

void TForm1::buildRecoveryCopy()
{
    recoveryTimer = new QTimer(this);
    recoveryTimer->setObjectName(QStringLiteral("recoveryTimer"));
    recoveryTimer->setSingleShot(true);
    recoveryTimer->setInterval(DefaultRecoveryInterval);
    connect(recoveryTimer, &QTimer::timeout, this, &TForm1::writeRecoveryCopy);
}

void TForm1::setRecoveryInterval(int milliseconds)
{
    recoveryTimer->setInterval(milliseconds);
}

void TForm1::OfferRecoveryCopy()
{
    const QString dir = state.app.ProgramDirectory;
    if (!RecoveryCopy::Exists(dir)) {
        // Companions left behind by a removal cut short are no copy.
        RecoveryCopy::Remove(dir);
    } else if (Dialogs::askYesNo(this, RecoveryCopy::restoreQuestion()) != Dialogs::Answer::Yes) {
        RecoveryCopy::Remove(dir);
    } else if (const auto outcome = RecoveryCopy::Restore(state); outcome.restored) {
        // Shown as after "Hämta beräkning"; the copy stays until the work is saved or discarded.
        refreshAfterFileCommand();
        ComputationFiles::RebuildMealTypeLists(state);
    } else {
        // Kept under another name for a look, never offered again, never opened half.
        const auto aside = RecoveryCopy::SetAside(dir, QDateTime::currentDateTime());
        QStringList text{aside ? RecoveryCopy::damaged(*aside) : aside.message};
        text << outcome.messages;
        Dialogs::information(this, text.join(u'\n'));
    }
    recoveryArmed = true;
}

void TForm1::scheduleRecoveryCopy()
{
    // Not restarted by later changes: steady typing must not put the copy off for ever.
    if (recoveryArmed && state.app.ComputationChanged && !recoveryTimer->isActive())
        recoveryTimer->start();
}

void TForm1::writeRecoveryCopy()
{
    recoveryTimer->stop();
    if (!recoveryArmed || !state.app.ComputationChanged)
        return;
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    if (Status s = RecoveryCopy::Write(state, date); !s) {
        // Once until a copy succeeds again: a full disk must not bring a message every half minute.
        if (!recoveryFailureShown)
            Dialogs::information(this, s.message);
        recoveryFailureShown = true;
    } else {
        recoveryFailureShown = false;
    }
}

void TForm1::discardRecoveryCopy()
{
    recoveryTimer->stop();
    if (recoveryArmed)
        RecoveryCopy::Remove(state.app.ProgramDirectory);
}
