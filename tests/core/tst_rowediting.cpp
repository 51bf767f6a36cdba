#include "app/SettingsFile.h"
#include "calc/Computation.h"
#include "calc/RowEditing.h"
#include "calc/TimeSlot.h"
#include "files/FoodPairList.h"
#include "support/FakeFoodLookup.h"
#include "support/TestSupport.h"

#include <QTest>
#include <memory>

using namespace RowEditing;

class TestRowEditing : public QObject {
    Q_OBJECT
private slots:
    void timeToSlot_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("slot");
        QTest::newRow("colon") << "7:45" << 31;
        QTest::newRow("comma") << "7,45" << 31;
        QTest::newRow("point") << "7.45" << 31;
        QTest::newRow("whole hour") << "12" << 48;
        QTest::newRow("past midnight") << "25:10" << 0;
        QTest::newRow("empty") << "" << 96;
        QTest::newRow("leading blanks") << "  8,30" << 34;
        QTest::newRow("one decimal is tens of minutes") << "8,5" << 35;
        QTest::newRow("14.59") << "14.59" << 59;
        QTest::newRow("60 minutes") << "9.60" << 36;
        QTest::newRow("letters") << "kl 8" << 96;
        QTest::newRow("negative") << "-3" << 96;
    }
    void timeToSlot()
    {
        QFETCH(QString, text);
        QFETCH(int, slot);
        QCOMPARE(TimeToSlot(text), slot);
    }

    void timeIsCopiedDownFromTheEditedRow()
    {
        auto c = std::make_unique<Computation>();
        MealRows &rows = c->currentMeal();
        SetTimeFrom(rows, 3, QStringLiteral("8,30"));
        QCOMPARE(rows[2].timeSlot, 96);
        QVERIFY(rows[2].timeText.isEmpty());
        for (int r : {3, 4, 199}) {
            QCOMPARE(rows[r].timeText.toString(), QStringLiteral("8,30"));
            QCOMPARE(rows[r].timeSlot, 34);
        }
    }

    void countTimesPortion()
    {
        MealRow row;
        FillRowFromFood(row, makeFood(QStringLiteral("1"), QStringLiteral("Bröd"), 8, 3, 45, 120));
        QCOMPARE(row.grams, 120.0f);
        SetCount(row, 2.5f);
        QCOMPARE(row.grams, 300.0f);
        row.portionGrams = 0;
        SetCount(row, 3);
        QCOMPARE(row.grams, 0.0f);
    }

    void gramStep()
    {
        MealRow row;
        row.portionGrams = 120;
        QCOMPARE(GramStep(row), 12.0f);
        row.portionGrams = 0.3f;
        QCOMPARE(GramStep(row), 10.0f);
    }

    void deletingRow199OfAFullMealEmptiesIt()
    {
        auto c = std::make_unique<Computation>();
        MealRows &rows = c->currentMeal();
        for (int r = 1; r <= 199; ++r)
            FillRowFromFood(rows[r], makeFood(QString::number(r), QStringLiteral("F%1").arg(r), 1, 1, 1));
        QCOMPARE(FirstFreeRow(rows), 199);
        DeleteRow(rows, 199);
        QVERIFY(rows[199].isEmpty());
        QCOMPARE(rows[198].code.toString(), QStringLiteral("198"));
        DeleteRow(rows, 1);
        QCOMPARE(rows[1].code.toString(), QStringLiteral("2"));
        QCOMPARE(rows[197].code.toString(), QStringLiteral("198"));
        QVERIFY(rows[198].isEmpty());
        QCOMPARE(FirstFreeRow(rows), 198);
    }

    void insertMovesRowsDownAndDropsRow199()
    {
        auto c = std::make_unique<Computation>();
        MealRows &rows = c->currentMeal();
        for (int r = 1; r <= 199; ++r)
            FillRowFromFood(rows[r], makeFood(QString::number(r), QStringLiteral("F%1").arg(r), 1, 1, 1));
        QCOMPARE(PrepareTargetRow(rows, 5, true), 5);
        QCOMPARE(rows[6].code.toString(), QStringLiteral("5"));
        QCOMPARE(rows[199].code.toString(), QStringLiteral("198"));
        QCOMPARE(PrepareTargetRow(rows, 0, false), 199);
    }

    void undoTwiceRedoes()
    {
        auto c = std::make_unique<Computation>();
        FillRowFromFood(c->row(0, 0, 1),
                        makeFood(QStringLiteral("1"), QStringLiteral("Bröd"), 8, 3, 45, 120));
        TakeUndoSnapshot(*c);
        c->row(0, 0, 1).grams = 300;
        SwapUndoSnapshot(*c);
        QCOMPARE(c->row(0, 0, 1).grams, 120.0f);
        SwapUndoSnapshot(*c);
        QCOMPARE(c->row(0, 0, 1).grams, 300.0f);
    }

    void replaceCodeEverywhere()
    {
        auto c = std::make_unique<Computation>();
        FillRowFromFood(c->row(0, 0, 1),
                        makeFood(QStringLiteral("ORANGE"), QStringLiteral("Apelsin"), 1, 0, 9));
        FillRowFromFood(c->row(3, 5, 7),
                        makeFood(QStringLiteral("ORANGE"), QStringLiteral("Apelsin"), 1, 0, 9));
        FillRowFromFood(c->row(3, 5, 8),
                        makeFood(QStringLiteral("ORANGE2"), QStringLiteral("Apelsin"), 1, 0, 9));
        QCOMPARE(ReplaceCodeEverywhere(*c, QStringLiteral("ORANGE"), QStringLiteral("APPLE")), 2);
        QCOMPARE(c->row(3, 5, 7).code.toString(), QStringLiteral("APPLE"));
        QCOMPARE(c->row(3, 5, 8).code.toString(), QStringLiteral("ORANGE2"));
        QCOMPARE(c->row(3, 5, 7).name.toString(), QStringLiteral("Apelsin"));
    }

    void unitListOfADecilitreUnit()
    {
        MealRow row;
        FoodRecord f = makeFood(QStringLiteral("1"), QStringLiteral("Mjöl"), 10, 1, 70);
        f.unitNames[0] = QStringLiteral("dl");
        f.unitGrams[0] = 60;
        f.wastePercent = 12;
        FillRowFromFood(row, f);
        const QStringList list = UnitListEntries(row);
        QCOMPARE(list, (QStringList{QStringLiteral("Mjöl"), QStringLiteral(" 60 g/dl"),
                                    QStringLiteral("  9 g/msk"), QStringLiteral("  3 g/tsk"),
                                    QStringLiteral(" 12 % avfall"), QStringLiteral("Vikt avser ätlig del")}));
        QCOMPARE(UnitListEntries(row, true).at(2), QStringLiteral("  9 g/spsk"));
        QVERIFY(!ApplyUnitEntry(row, list.at(0)));
        QVERIFY(!ApplyUnitEntry(row, list.at(4)));
        QVERIFY(ApplyUnitEntry(row, list.at(2)));
        QCOMPARE(row.unitText.toString(), QStringLiteral("msk"));
        QCOMPARE(row.portionGrams, 9.0f);
        QCOMPARE(row.grams, 9.0f);
    }

    void recentListsKeepForty()
    {
        RecentFoodLists recent;
        for (int i = 0; i < 45; ++i)
            RememberRecentFood(recent, 4, QStringLiteral("Mat %1").arg(i, 2, 10, QChar(u'0')),
                               QStringLiteral("Mat{%1}100@g").arg(i));
        QCOMPARE(recent.all.count(), 40);
        QCOMPARE(recent.snacks.count(), 40);
        QCOMPARE(recent.breakfast.count(), 0);
        QCOMPARE(recent.snacks.twins.at(0), QStringLiteral("Mat{5}100@g"));
        RememberRecentFood(recent, 4, QStringLiteral("Mat 44"), QStringLiteral("x"));
        QCOMPARE(recent.all.count(), 40);
    }

    void nationalCodeForm()
    {
        QCOMPARE(NationalCodeForm(QStringLiteral("12")), QStringLiteral("1_2"));
        QCOMPARE(NationalCodeForm(QStringLiteral("ab3")), QStringLiteral("AB3"));
    }

    void settingsFileRoundTrip()
    {
        TemporaryProgramFolder folder;
        const QString path = folder.filePath(SettingsFile::fileName());
        QStringList cells{"50", "50", "50", "0", "0", "0", "0", "0", "0", "12,5", "12.5", "x", "1", "2", "3"};
        QVERIFY(SettingsFile::write(path, cells).ok);
        auto read = SettingsFile::read(path);
        QVERIFY(read.ok());
        QCOMPARE(*read, cells);
        MealSettings s;
        SettingsFile::apply(s, *read);
        QCOMPARE(s.MealShares[0], 0.5f);
        QCOMPARE(s.MealShareTexts[0], QStringLiteral("50"));
        QCOMPARE(s.IdealEnergyDistribution[0], 12.5f);
        QCOMPARE(s.IdealEnergyDistribution[1], 12.5f);
        QCOMPARE(s.IdealEnergyDistribution[2], 0.0f);
        folder.writeText(SettingsFile::fileName(), {QStringLiteral("10")});
        read = SettingsFile::read(path);
        QVERIFY(read.ok());
        QCOMPARE(read->size(), 15);
        QCOMPARE(read->at(1), QString());
        QVERIFY(!SettingsFile::read(folder.filePath(QStringLiteral("missing.para"))).ok());
    }
};

QTEST_GUILESS_MAIN(TestRowEditing)
#include "tst_rowediting.moc"
