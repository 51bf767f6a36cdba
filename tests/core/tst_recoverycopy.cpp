#include "app/ProgramState.h"
#include "app/TextFile.h"
#include "files/ComputationFile.h"
#include "files/RecoveryCopy.h"
#include "support/FakeFoodLookup.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A program state whose program folder is a temporary folder, with a few foods in the registers.
struct Fixture {
    QTemporaryDir dir;
    FakeFoodLookup foods;
    ProgramState state;

    Fixture()
    {
        foods.add(FoodRegister::Brasol100, makeFood(QStringLiteral("101"), QStringLiteral("Mjölk"), 3.4f, 3,
                                                    4.8f, 200, QStringLiteral("glas")));
        foods.add(FoodRegister::Brasol100, makeFood(QStringLiteral("2208"), QStringLiteral("Bröd"), 9, 4, 45,
                                                    30, QStringLiteral("skiva")));
        state.foods = &foods;
        state.app.ProgramDirectory = dir.path();
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    void put(int day, int meal, int row, const QString &code, float grams)
    {
        MealRow &r = state.computation->row(day, meal, row);
        const auto found = foods.FindFood(code, LookupChain::OpenComputation);
        r.code.assign(code);
        r.name.assign(found->record.name);
        r.unitText.assign(found->record.unit);
        r.portionGrams = found->record.portionGrams;
        r.nutrients = found->record.nutrients;
        r.grams = grams;
    }
    // A Computation opened from "vecka.diet" and then edited, as it stands before a crash.
    void editedComputation()
    {
        put(0, 0, 1, QStringLiteral("101"), 250);
        put(4, 2, 1, QStringLiteral("2208"), 60);
        state.computation->InfoText = QStringLiteral("Intervju 3 maj\nandra raden");
        state.computation->DayNames[1] = QStringLiteral("Tisdag");
        state.files.DayNamesSet = true;
        state.settings.WholeDayMode = true;
        state.norm.values.fill(80.0f);
        state.norm.NormKind = QStringLiteral("standarnorm");
        state.norm.NormCaption = QStringLiteral("Norm: Män 31-60 år");
        state.app.ComputationFileName = path(QStringLiteral("vecka.diet")) + QStringLiteral("   3.5.2026");
        state.files.EarlierComputations = {path(QStringLiteral("vecka.diet")),
                                           path(QStringLiteral("maj.diet"))};
        state.app.ComputationChanged = true;
    }
};

// A second start on the same program folder: a new state with the same registers.
struct NextStart {
    ProgramState state;
    explicit NextStart(Fixture &before)
    {
        state.foods = &before.foods;
        state.app.ProgramDirectory = before.dir.path();
        state.norm.NormCaption = QStringLiteral("Norm: Kvinnor 31-60 år (standardnorm)");
    }
};

void cutShort(const QString &path, int bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(file.size() - bytes));
}

} // namespace

class TestRecoveryCopy : public QObject {
    Q_OBJECT
private slots:
    void theCopyIsWrittenWithItsCompanionsAndTouchesNoState()
    {
        Fixture f;
        f.editedComputation();
        const QString name = f.state.app.ComputationFileName;
        const QStringList earlier = f.state.files.EarlierComputations;
        QVERIFY(!RecoveryCopy::Exists(f.dir.path()));

        QVERIFY(RecoveryCopy::Write(f.state, QStringLiteral("11.12.2026")));
        QVERIFY(RecoveryCopy::Exists(f.dir.path()));
        QCOMPARE(RecoveryCopy::DietPath(f.dir.path()), f.path(QStringLiteral("aterstall.diet")));
        for (const char *file :
             {"aterstall.diet", "aterstall.norm", "aterstall.txt", "aterstall.dnamn", "aterstall.info"})
            QVERIFY2(QFileInfo::exists(f.path(QString::fromLatin1(file))), file);
        // The ".diet" file is the one a save writes.
        const auto diet = TextFile::readLines(f.path(QStringLiteral("aterstall.diet")));
        QCOMPARE(*diet, ComputationFile::Lines(*f.state.computation, true, f.state.diabetes,
                                               QStringLiteral("11.12.2026")));
        QCOMPARE(TextFile::readLines(f.path(QStringLiteral("aterstall.info")))->value(0),
                 QStringLiteral("namn=") + name);

        QCOMPARE(f.state.app.ComputationFileName, name);
        QCOMPARE(f.state.files.EarlierComputations, earlier);
        QVERIFY(f.state.app.ComputationChanged);
        // Nothing was written where the user keeps the Computation.
        QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("vecka.diet"))));

        const auto info = RecoveryCopy::Check(f.dir.path());
        QVERIFY2(info.ok(), qPrintable(info.message));
        QCOMPARE(info->computationFileName, name);
        QVERIFY(info->dayNamesSet);
    }

    void aRestoreGivesTheChangedComputationUnderItsOldName()
    {
        Fixture f;
        f.editedComputation();
        QVERIFY(RecoveryCopy::Write(f.state, QStringLiteral("11.12.2026")));

        NextStart next(f);
        const auto outcome = RecoveryCopy::Restore(next.state);
        QVERIFY2(outcome.restored, qPrintable(outcome.messages.join(u'\n')));
        const Computation &c = *next.state.computation;
        QCOMPARE(c.row(0, 0, 1).name.toString(), QStringLiteral("Mjölk"));
        QCOMPARE(c.row(0, 0, 1).grams, 250.0f);
        QCOMPARE(c.row(4, 2, 1).name.toString(), QStringLiteral("Bröd"));
        QCOMPARE(c.row(4, 2, 1).grams, 60.0f);
        QCOMPARE(c.InfoText, QStringLiteral("Intervju 3 maj\nandra raden"));
        QCOMPARE(c.DayNames[1], QStringLiteral("Tisdag"));
        QVERIFY(next.state.settings.WholeDayMode);
        QCOMPARE(next.state.norm.NormCaption, QStringLiteral("Norm: Män 31-60 år"));
        QCOMPARE(next.state.norm.values[0], 80.0f);

        QCOMPARE(next.state.app.ComputationFileName, f.state.app.ComputationFileName);
        QVERIFY(next.state.app.ComputationChanged);
        QVERIFY(next.state.files.DayNamesSet);
        // The copy is no Computation of the user's: it never enters the earlier list.
        QVERIFY(next.state.files.EarlierComputations.isEmpty());
        QVERIFY(RecoveryCopy::Exists(f.dir.path()));
    }

    void aCopyCutShortIsRefusedAndNothingOfItIsRead_data()
    {
        QTest::addColumn<int>("bytes");
        // In the last meal's end line "*20/8": the reader alone would take "*20/" for it.
        QTest::newRow("last line") << 3;
        QTest::newRow("meal blocks") << 1200;
    }
    void aCopyCutShortIsRefusedAndNothingOfItIsRead()
    {
        QFETCH(int, bytes);
        Fixture f;
        f.editedComputation();
        QVERIFY(RecoveryCopy::Write(f.state, QStringLiteral("11.12.2026")));
        cutShort(f.path(QStringLiteral("aterstall.diet")), bytes);

        QCOMPARE(RecoveryCopy::Check(f.dir.path()).message, RecoveryCopy::checksumDiffers());
        NextStart next(f);
        const ActiveNorm normBefore = next.state.norm;
        const auto outcome = RecoveryCopy::Restore(next.state);
        QVERIFY(!outcome.restored);
        QCOMPARE(outcome.messages, QStringList{RecoveryCopy::checksumDiffers()});
        QVERIFY(next.state.computation->row(0, 0, 1).isEmpty());
        QVERIFY(next.state.computation->InfoText.isEmpty());
        QCOMPARE(next.state.computation->DayNames[1], QStringLiteral("Dag 2"));
        QCOMPARE(next.state.norm.NormCaption, normBefore.NormCaption);
        QCOMPARE(next.state.norm.values, normBefore.values);
        QVERIFY(!next.state.settings.WholeDayMode);
        QVERIFY(!next.state.app.ComputationChanged);
        QVERIFY(next.state.app.ComputationFileName.isEmpty());
    }

    void aCopyWhoseBodyCannotBeReadLeavesEverythingAsItWas()
    {
        // A copy that passes the checksum but is no whole Computation (written by something else,
        // its info file made to match): the reader's fault is reported, no row or norm stays.
        Fixture f;
        f.editedComputation();
        QVERIFY(RecoveryCopy::Write(f.state, QStringLiteral("11.12.2026")));
        QStringList lines = *TextFile::readLines(f.path(QStringLiteral("aterstall.diet")));
        lines = lines.mid(0, 20);
        QVERIFY(TextFile::writeLines(f.path(QStringLiteral("aterstall.diet")), lines));
        QFile diet(f.path(QStringLiteral("aterstall.diet")));
        QVERIFY(diet.open(QIODevice::ReadOnly));
        const QByteArray sum = QCryptographicHash::hash(diet.readAll(), QCryptographicHash::Sha256).toHex();
        QStringList info = *TextFile::readLines(f.path(QStringLiteral("aterstall.info")));
        info[2] = QStringLiteral("kontroll=") + QString::fromLatin1(sum);
        QVERIFY(TextFile::writeLines(f.path(QStringLiteral("aterstall.info")), info));

        NextStart next(f);
        const ActiveNorm normBefore = next.state.norm;
        const auto outcome = RecoveryCopy::Restore(next.state);
        QVERIFY(!outcome.restored);
        QVERIFY(outcome.messages.value(0).startsWith(ComputationFile::openFailed()));
        QVERIFY(next.state.computation->row(0, 0, 1).isEmpty());
        QVERIFY(next.state.computation->InfoText.isEmpty());
        QCOMPARE(next.state.norm.NormCaption, normBefore.NormCaption);
        QVERIFY(!next.state.settings.WholeDayMode);
        QVERIFY(!next.state.app.ComputationChanged);
    }

    void aCopyWithoutItsInfoFileIsRefused()
    {
        Fixture f;
        f.editedComputation();
        QVERIFY(RecoveryCopy::Write(f.state, QStringLiteral("11.12.2026")));
        QVERIFY(QFile::remove(f.path(QStringLiteral("aterstall.info"))));
        const auto info = RecoveryCopy::Check(f.dir.path());
        QVERIFY(!info.ok());
        QCOMPARE(info.message, RecoveryCopy::infoMissing(f.path(QStringLiteral("aterstall.info"))));
    }

    void notesEmptiedSinceTheLastCopyAreNotRestored()
    {
        Fixture f;
        f.editedComputation();
        QVERIFY(RecoveryCopy::Write(f.state, QStringLiteral("d")));
        f.state.computation->InfoText.clear();
        QVERIFY(RecoveryCopy::Write(f.state, QStringLiteral("d")));
        QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("aterstall.txt"))));
        NextStart next(f);
        QVERIFY(RecoveryCopy::Restore(next.state).restored);
        QVERIFY(next.state.computation->InfoText.isEmpty());
    }

    void aDamagedCopyIsSetAsideUnderADatedName()
    {
        Fixture f;
        f.editedComputation();
        QVERIFY(RecoveryCopy::Write(f.state, QStringLiteral("d")));
        const QDateTime when(QDate(2026, 1, 2), QTime(3, 4, 5));
        const auto aside = RecoveryCopy::SetAside(f.dir.path(), when);
        QVERIFY2(aside.ok(), qPrintable(aside.message));
        QCOMPARE(*aside, f.path(QStringLiteral("aterstall-20260102-030405.diet")));
        QVERIFY(!RecoveryCopy::Exists(f.dir.path()));
        for (const char *file : {"aterstall-20260102-030405.diet", "aterstall-20260102-030405.norm",
                                 "aterstall-20260102-030405.txt", "aterstall-20260102-030405.info"})
            QVERIFY2(QFileInfo::exists(f.path(QString::fromLatin1(file))), file);
        QCOMPARE(QDir(f.dir.path()).entryList({QStringLiteral("aterstall.*")}), QStringList{});

        // A second one within the same second does not replace the first.
        QVERIFY(RecoveryCopy::Write(f.state, QStringLiteral("d")));
        QCOMPARE(*RecoveryCopy::SetAside(f.dir.path(), when),
                 f.path(QStringLiteral("aterstall-20260102-030405-2.diet")));
        QVERIFY(QFileInfo::exists(f.path(QStringLiteral("aterstall-20260102-030405.diet"))));
    }

    void removeTakesEveryFileOfTheCopy()
    {
        Fixture f;
        f.editedComputation();
        QVERIFY(RecoveryCopy::Write(f.state, QStringLiteral("d")));
        RecoveryCopy::Remove(f.dir.path());
        QVERIFY(!RecoveryCopy::Exists(f.dir.path()));
        QCOMPARE(QDir(f.dir.path()).entryList({QStringLiteral("aterstall*")}), QStringList{});
        RecoveryCopy::Remove(f.dir.path()); // nothing left is no failure
    }
};

QTEST_GUILESS_MAIN(TestRecoveryCopy)
#include "tst_recoverycopy.moc"
