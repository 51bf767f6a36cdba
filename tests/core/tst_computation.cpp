#include "calc/Computation.h"

#include <QTest>
#include <memory>

namespace {
void fillRow(MealRow &row, const char *code, float grams)
{
    row.code.assign(QString::fromLatin1(code));
    row.name.assign(QStringLiteral("Mjölk"));
    row.grams = grams;
    row.portionGrams = 200;
    row.timeText.assign(QStringLiteral("08:30"));
    row.nutrients.fill(1.5f);
}
} // namespace

class TestComputation : public QObject {
    Q_OBJECT
private slots:
    void newComputationIsEmpty()
    {
        auto c = std::make_unique<Computation>();
        for (int d = 0; d < ComputationSize::Days; ++d)
            for (int m = 0; m < ComputationSize::Meals; ++m) {
                QVERIFY(!c->mealHasFood(d, m));
                QVERIFY(c->row(d, m, 1).isEmpty());
                QVERIFY(c->row(d, m, 199).isEmpty());
            }
        QCOMPARE(c->DayNames[0], QStringLiteral("Dag 1"));
        QCOMPARE(c->DayNames[20], QStringLiteral("Dag 21"));
        QCOMPARE(c->MealNames[3], QStringLiteral("Mellanmål1"));
        QVERIFY(c->DayIncluded[20]);
    }

    void clearingEmptiesRowsButKeepsDayInclusion()
    {
        auto c = std::make_unique<Computation>();
        fillRow(c->row(4, 2, 199), "101", 250);
        c->DayIncluded[4] = false;
        c->DayNames[4] = QStringLiteral("Fredag");
        c->CurrentDay = 4;
        c->CurrentMeal = 2;
        ClearComputation(*c, true);
        const MealRow &r = c->row(4, 2, 199);
        QVERIFY(r.isEmpty());
        QVERIFY(r.name.isEmpty());
        QCOMPARE(r.grams, 0.0f);
        QCOMPARE(r.nutrients[0], 0.0f);
        QCOMPARE(r.timeSlot, 96); // a row without a time is not counted at midnight
        QVERIFY(!c->DayIncluded[4]);
        QCOMPARE(c->DayNames[4], QStringLiteral("Dag 5"));
        QCOMPARE(c->CurrentDay, 0);
        QCOMPARE(c->CurrentMeal, 0);
    }

    void clearingDuringStartUpKeepsDayNames()
    {
        auto c = std::make_unique<Computation>();
        c->DayNames[0] = QStringLiteral("Måndag");
        ClearComputation(*c, false);
        QCOMPARE(c->DayNames[0], QStringLiteral("Måndag"));
    }

    void undoTwiceRestoresTheEdit()
    {
        auto c = std::make_unique<Computation>();
        fillRow(c->row(0, 0, 1), "101", 100);
        TakeUndoSnapshot(*c);
        c->row(0, 0, 1).grams = 300;
        SwapUndoSnapshot(*c);
        QCOMPARE(c->row(0, 0, 1).grams, 100.0f);
        SwapUndoSnapshot(*c);
        QCOMPARE(c->row(0, 0, 1).grams, 300.0f);
    }

    void newComputationDoesNotClearTheSnapshot()
    {
        auto c = std::make_unique<Computation>();
        fillRow(c->row(0, 0, 1), "101", 100);
        TakeUndoSnapshot(*c);
        ClearComputation(*c, true);
        SwapUndoSnapshot(*c);
        QCOMPARE(c->row(0, 0, 1).code.toString(), QStringLiteral("101"));
    }

    void textsAreCutToTheirFieldLengths()
    {
        MealRow row;
        row.name.assign(QString(100, u'ö'));
        QCOMPARE(row.name.toString(), QString(80, u'ö'));
        row.timeText.assign(QStringLiteral("08:30:15"));
        QCOMPARE(row.timeText.toString(), QStringLiteral("08:30"));
        row.code.assign(QStringLiteral("Pannkakor:"));
        QVERIFY(row.isFreeText());
        QVERIFY(!row.isEmpty());
    }

    void rowLayoutMatchesRecipeRecords()
    {
        QCOMPARE(offsetof(MealRow, portionGrams), size_t(180));
        QCOMPARE(offsetof(MealRow, unitGrams1), size_t(204));
        QCOMPARE(offsetof(MealRow, grams), size_t(280));
        QCOMPARE(offsetof(MealRow, extraText), size_t(292));
        QCOMPARE(offsetof(MealRow, timeSlot), size_t(320));
        QCOMPARE(offsetof(MealRow, nutrients), size_t(324));
    }
};

QTEST_GUILESS_MAIN(TestComputation)
#include "tst_computation.moc"
