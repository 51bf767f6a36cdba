// The recovery copy of an unsaved Computation: written after a change and before the questions
// that can discard it, offered at the next start after the program was killed, refused when
// damaged, removed when the work is saved or discarded.
#include "app/ProgramState.h"
#include "app/TextFile.h"
#include "app/ui/Dialogs.h"
#include "app/ui/StringGrid.h"
#include "app/ui/TForm1.h"
#include "files/RecoveryCopy.h"
#include "food/SearchListModel.h"
#include "support/FakeFoodLookup.h"
#include "support/TestSupport.h"
#include "support/WindowTestScope.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <optional>

namespace {

const char *const kChildMode = "--recovery-child";
// What the child prints once its recovery copy is on disk: this, then the two foods' names.
const QByteArray kCopyWritten = "kopia skriven";

int firstFoodLine(const SearchListModel &model)
{
    for (int i = 0; i < model.count(); ++i)
        if (!CodeFromTwinLine(model.twinAt(i)).isEmpty())
            return i;
    return -1;
}

// Searches the delivered table and adds the first food found to the current meal, through the
// window's own add command. Gives the food's name, empty when nothing was found.
QString addFirstFoundFood(TForm1 &w, const QString &search)
{
    w.FillSearchList(search);
    const int line = firstFoodLine(*w.ListBoxLivsModel);
    if (line < 0)
        return {};
    w.ListBoxLivs->setCurrentIndex(w.ListBoxLivsModel->index(line));
    w.AddFood();
    return w.State().computation->row(0, 0, w.State().computation->CurrentRow).name.toString();
}

// The child process: the program started on the given folder, a Computation saved as "vecka"
// and then changed; once the recovery copy is written it says so and waits to be killed.
int runChild(const QString &folder)
{
    Dialogs::setScripted(true);
    ProgramState state;
    TForm1 w(state);
    if (Status s = w.FormCreate(folder); !s) {
        std::fprintf(stderr, "start failed: %s\n", qPrintable(s.message));
        return 2;
    }
    state.app.StartingUp = false;
    w.setRecoveryInterval(50);
    w.show();
    const QString saved = addFirstFoundFood(w, QStringLiteral("banan"));
    Dialogs::queueFileName(QDir(folder).filePath(QStringLiteral("vecka")));
    w.SparaBerkning1->trigger();
    const QString unsaved = addFirstFoundFood(w, QStringLiteral("mjölk"));
    if (saved.isEmpty() || unsaved.isEmpty() || !state.app.ComputationChanged) {
        std::fprintf(stderr, "no food added\n");
        return 3;
    }
    const QDeadlineTimer deadline(60 * 1000);
    while (!RecoveryCopy::Check(folder).ok()) {
        if (deadline.hasExpired()) {
            std::fprintf(stderr, "no recovery copy written\n");
            return 4;
        }
        QTest::qWait(20);
    }
    std::printf("%s\t%s\t%s\n", kCopyWritten.constData(), saved.toUtf8().constData(),
                unsaved.toUtf8().constData());
    std::fflush(stdout);
    return QApplication::exec();
}

// A started main window in a temporary program folder, with a few foods in its search list.
struct Started {
    TemporaryProgramFolder folder;
    FakeFoodLookup foods;
    ProgramState state;
    std::unique_ptr<TForm1> window;

    Started() { start(); }
    void start()
    {
        foods.add(FoodRegister::Brasol100, makeFood(QStringLiteral("101"), QStringLiteral("Mjölk"), 3.4f, 3,
                                                    4.8f, 200, QStringLiteral("glas")));
        foods.add(FoodRegister::Brasol100, makeFood(QStringLiteral("2208"), QStringLiteral("Bröd"), 9, 4, 45,
                                                    30, QStringLiteral("skiva")));
        state.foods = &foods;
        window = std::make_unique<TForm1>(state);
        const Status s = window->FormCreate(folder.path());
        if (!s)
            qFatal("start failed: %s", qPrintable(s.message));
        state.app.StartingUp = false;
        window->show();
        window->ListBoxLivsModel->setLines(
            {QStringLiteral("Mjölk"), QStringLiteral("Bröd")},
            {QStringLiteral("Mjölk{101}200@glas"), QStringLiteral("Bröd{2208}30@skiva")});
    }
    // The search list's food into the current meal, as a double-click does.
    void add(int line)
    {
        window->ListBoxLivs->setCurrentIndex(window->ListBoxLivsModel->index(line));
        window->AddFood();
    }
    QString dir() const { return folder.path(); }
    bool copyExists() const { return RecoveryCopy::Exists(folder.path()); }
    // Files of the copy, set aside or not.
    QStringList copyFiles() const
    {
        return QDir(folder.path()).entryList({QStringLiteral("aterstall*")}, QDir::Files, QDir::Name);
    }
};

// Another start on the same program folder, as after the program ended: a new state and window.
struct NextStart {
    ProgramState state;
    std::unique_ptr<TForm1> window;
    explicit NextStart(const QString &folder, FoodLookup *foods = nullptr)
    {
        state.foods = foods;
        window = std::make_unique<TForm1>(state);
        const Status s = window->FormCreate(folder);
        if (!s)
            qFatal("start failed: %s", qPrintable(s.message));
        state.app.StartingUp = false;
    }
};

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void init() { scope.emplace(); }
    void cleanup() { scope.reset(); }

    void aKilledProgramsWorkIsOfferedAtTheNextStart_data()
    {
        QTest::addColumn<bool>("restore");
        QTest::newRow("Ja") << true;
        QTest::newRow("Nej") << false;
    }
    void aKilledProgramsWorkIsOfferedAtTheNextStart()
    {
        QFETCH(bool, restore);
        TemporaryProgramFolder folder;
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(kChildMode), folder.path()});
        QVERIFY(child.waitForStarted());
        QByteArray line;
        const QDeadlineTimer deadline(180 * 1000);
        while (!child.canReadLine() && child.state() == QProcess::Running && !deadline.hasExpired())
            child.waitForReadyRead(1000);
        line = child.readLine().trimmed();
        const QList<QByteArray> parts = line.split('\t');
        QVERIFY2(parts.size() == 3 && parts[0] == kCopyWritten, line.constData());
        const QString saved = QString::fromUtf8(parts[1]);
        const QString unsaved = QString::fromUtf8(parts[2]);

        child.kill(); // SIGKILL: no close, no save question, nothing written at the end
        QVERIFY(child.waitForFinished(30 * 1000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const QString vecka = folder.filePath(QStringLiteral("vecka.diet"));
        QVERIFY(RecoveryCopy::Exists(folder.path()));
        QVERIFY(QFileInfo::exists(vecka));
        const QStringList savedLines = *TextFile::readLines(vecka);

        Dialogs::queueAnswer(restore ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        NextStart next(folder.path());
        QCOMPARE(Dialogs::shownMessages(), QStringList{RecoveryCopy::restoreQuestion()});
        const Computation &c = *next.state.computation;
        if (restore) {
            QCOMPARE(c.row(0, 0, 1).name.toString(), saved);
            QCOMPARE(c.row(0, 0, 2).name.toString(), unsaved);
            QCOMPARE(next.window->StringGridMaltid->Cells(0, 2), unsaved);
            QVERIFY(next.state.app.ComputationChanged);
            QCOMPARE(next.state.app.ComputationFileName, vecka);
            QVERIFY2(next.window->windowTitle().startsWith(vecka + QStringLiteral("   ")),
                     qPrintable(next.window->windowTitle()));
            // The copy is the program's, not one of the user's Computations.
            QVERIFY(!next.state.files.EarlierComputations.join(u'\n').contains(QStringLiteral("aterstall")));
            // Kept until the work is saved or discarded: a second crash loses nothing either.
            QVERIFY(RecoveryCopy::Exists(folder.path()));
        } else {
            QVERIFY(c.row(0, 0, 1).isEmpty());
            QVERIFY(!next.state.app.ComputationChanged);
            QVERIFY(next.state.app.ComputationFileName.isEmpty());
            QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("aterstall*")}), QStringList{});
        }
        // The saved file is the user's and stays as saved.
        QCOMPARE(*TextFile::readLines(vecka), savedLines);
    }

    void aTruncatedCopyIsRefusedSetAsideAndNothingIsOpened()
    {
        Started s;
        s.window->setRecoveryInterval(0);
        s.add(0);
        s.add(1);
        QTRY_VERIFY(s.copyExists());
        const QString diet = RecoveryCopy::DietPath(s.dir());
        s.window.reset(); // the program is gone without closing
        {
            QFile file(diet);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(file.size() / 2));
        }
        const qint64 truncatedSize = QFileInfo(diet).size();

        Dialogs::queueAnswer(Dialogs::Answer::Yes);
        NextStart next(s.dir(), &s.foods);
        const QStringList shown = Dialogs::shownMessages();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0], RecoveryCopy::restoreQuestion());
        QVERIFY2(shown[1].contains(RecoveryCopy::checksumDiffers()), qPrintable(shown[1]));
        // Set aside under a dated name, and the message tells that name.
        QVERIFY(!RecoveryCopy::Exists(s.dir()));
        const QStringList aside = QDir(s.dir()).entryList({QStringLiteral("aterstall-*.diet")});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(QFileInfo(QDir(s.dir()).filePath(aside[0])).size(), truncatedSize);
        QVERIFY(QDir(s.dir()).exists(QFileInfo(aside[0]).completeBaseName() + QStringLiteral(".info")));
        QCOMPARE(shown[1].section(u'\n', 0, 1), RecoveryCopy::damaged(QDir(s.dir()).filePath(aside[0])));
        // Nothing of it was opened.
        for (int d = 0; d < ComputationSize::Days; ++d)
            for (int m = 0; m < ComputationSize::Meals; ++m)
                QVERIFY(!next.state.computation->mealHasFood(d, m));
        QCOMPARE(next.window->StringGridMaltid->Cells(0, 1), QString());
        QVERIFY(!next.state.app.ComputationChanged);
        QVERIFY(next.state.app.ComputationFileName.isEmpty());
        QVERIFY(!next.window->recoveryTimer->isActive());

        // Set aside means not offered again.
        next.window.reset();
        Dialogs::clearScript();
        NextStart third(s.dir(), &s.foods);
        QVERIFY(Dialogs::shownMessages().isEmpty());
        QCOMPARE(QDir(s.dir()).entryList({QStringLiteral("aterstall-*.diet")}), aside);
    }

    void aChangeIsCopiedAfterTheInterval()
    {
        Started s;
        QCOMPARE(s.window->recoveryTimer->interval(), 30 * 1000);
        QVERIFY(s.window->recoveryTimer->isSingleShot());
        // Moving about an unchanged Computation is no change.
        s.window->SelectDay(2);
        s.window->SelectDay(0);
        QVERIFY(!s.window->recoveryTimer->isActive());

        s.add(0);
        QVERIFY(s.window->recoveryTimer->isActive());
        QVERIFY(!s.copyExists()); // not on every change: after the interval
        s.window->setRecoveryInterval(10);
        s.window->recoveryTimer->start();
        QTRY_VERIFY(s.copyExists());
        const auto info = RecoveryCopy::Check(s.dir());
        QVERIFY(info.ok());
        QVERIFY(info->computationFileName.isEmpty());
        QVERIFY(s.state.app.ComputationChanged);
        QVERIFY(s.state.app.ComputationFileName.isEmpty());
        QVERIFY(s.state.files.EarlierComputations.isEmpty());

        // A later change is copied too.
        s.add(1);
        QTRY_VERIFY(TextFile::readLines(RecoveryCopy::DietPath(s.dir()))->contains(QStringLiteral("2208")));
    }

    void theQuestionsThatCanDiscardTheWorkWriteTheCopyFirst()
    {
        Started s;
        s.add(0);
        QVERIFY(!s.copyExists());
        // Ny beräkning, cancelled at the save question.
        Dialogs::queueAnswer(Dialogs::Answer::Cancel);
        s.window->Nyberkning1->trigger();
        QVERIFY(s.copyExists());
        QVERIFY(TextFile::readLines(RecoveryCopy::DietPath(s.dir()))->contains(QStringLiteral("101")));
        QVERIFY(s.state.app.ComputationChanged);

        // Opening another Computation, cancelled: the newer state is copied.
        s.add(1);
        Dialogs::queueAnswer(Dialogs::Answer::Cancel);
        s.window->Hmtaberkning1->trigger();
        QVERIFY(TextFile::readLines(RecoveryCopy::DietPath(s.dir()))->contains(QStringLiteral("2208")));

        // Closing, cancelled: the window stays and so does the copy.
        RecoveryCopy::Remove(s.dir());
        Dialogs::queueAnswer(Dialogs::Answer::Cancel);
        QVERIFY(!s.window->close());
        QVERIFY(s.copyExists());
        QCOMPARE(Dialogs::lastMessage(),
                 QStringLiteral("Vill du spara denna beräkning innan en ny startas?"));
    }

    void savingRemovesTheCopy()
    {
        Started s;
        s.add(0);
        Dialogs::queueAnswer(Dialogs::Answer::Cancel);
        s.window->Nyberkning1->trigger();
        QVERIFY(s.copyExists());
        Dialogs::queueFileName(s.folder.filePath(QStringLiteral("vecka")));
        QVERIFY(s.window->SaveComputation());
        QVERIFY(QFileInfo::exists(s.folder.filePath(QStringLiteral("vecka.diet"))));
        QCOMPARE(s.copyFiles(), QStringList{});
        QVERIFY(!s.window->recoveryTimer->isActive());
    }

    void aNewComputationRemovesTheCopy()
    {
        Started s;
        s.add(0);
        Dialogs::queueAnswer(Dialogs::Answer::Cancel);
        s.window->Nyberkning1->trigger();
        QVERIFY(s.copyExists());
        Dialogs::queueAnswer(Dialogs::Answer::No);
        s.window->Nyberkning1->trigger();
        QVERIFY(s.state.computation->row(0, 0, 1).isEmpty());
        QCOMPARE(s.copyFiles(), QStringList{});
        QVERIFY(!s.window->recoveryTimer->isActive());
    }

    void aNormalCloseRemovesTheCopy()
    {
        Started s;
        s.add(0);
        Dialogs::queueAnswer(Dialogs::Answer::Cancel);
        QVERIFY(!s.window->close());
        QVERIFY(s.copyExists());
        Dialogs::queueAnswer(Dialogs::Answer::No);
        QVERIFY(s.window->close());
        QCOMPARE(s.copyFiles(), QStringList{});
        // And the next start asks nothing.
        Dialogs::clearScript();
        NextStart next(s.dir(), &s.foods);
        QVERIFY(Dialogs::shownMessages().isEmpty());
    }

private:
    std::optional<WindowTestScope> scope;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kChildMode) == 0)
        return runChild(QString::fromLocal8Bit(argv[2]));
    TestRecovery test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
