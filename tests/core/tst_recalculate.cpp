#include "app/ProgramState.h"
#include "calc/Recalculate.h"
#include "calc/RowEditing.h"
#include "support/FakeFoodLookup.h"

#include <QTest>

namespace {

constexpr int P = Nutrient::Protein;
constexpr int F = Nutrient::Fat;
constexpr int KJ = Nutrient::EnergyKJ;
constexpr int VitD = 25;

int ix(int number)
{
    return Nutrient::index(number);
}

// A food with only the given values known (others 0 unless stated unknown).
FoodRecord food(const QString &code, std::initializer_list<std::pair<int, float>> values, float portion = 100)
{
    FoodRecord r;
    r.code = code;
    r.name = code;
    r.unit = QStringLiteral("port");
    r.portionGrams = portion;
    r.nutrients.fill(0);
    for (auto [n, v] : values)
        r.nutrients[ix(n)] = v;
    return r;
}

void put(ProgramState &s, int day, int meal, int row, const FoodRecord &f, float grams)
{
    MealRow &r = s.computation->row(day, meal, row);
    RowEditing::FillRowFromFood(r, f);
    r.grams = grams;
}

} // namespace

class TestRecalculate : public QObject {
    Q_OBJECT
private slots:
    void rowAmountIsGramsTimesValuePer100g()
    {
        ProgramState s;
        put(s, 0, 0, 1, food(QStringLiteral("A"), {{P, 3.4f}}), 150);
        Recalculate(s);
        QCOMPARE(s.results->MealSums[0][0][ix(P)], 5.1f);
        QCOMPARE(s.results->DaySums[0][ix(P)], 5.1f);
        // norm 100: 5.1 %
        QCOMPARE(s.results->MealPercent[0][0][ix(P)], 5.1f);
        QCOMPARE(s.results->RowPercent[1][ix(P)], 5.1f);
    }

    void unknownValueCountsAsMissingInMealDayAndPeriod()
    {
        ProgramState s;
        put(s, 0, 1, 1, food(QStringLiteral("A"), {{KJ, 500}, {VitD, -1}}), 100);
        put(s, 0, 1, 2, food(QStringLiteral("B"), {{KJ, 500}, {VitD, 2}}), 100);
        put(s, 1, 0, 1, food(QStringLiteral("C"), {{KJ, 500}, {VitD, -1}}), 100);
        Recalculate(s);
        const CalculationResults &r = *s.results;
        QCOMPARE(r.MealSums[0][1][ix(VitD)], 2.0f);
        QCOMPARE(r.MealMissing[0][1][ix(VitD)], 1);
        QCOMPARE(r.MealMissing[0][1][ix(P)], 0);
        QCOMPARE(r.DayMissing[0][ix(VitD)], 1);
        QCOMPARE(r.PeriodMissing[ix(VitD)], 2);
        QCOMPARE(r.MealTypeMissing[1][ix(VitD)], 1);
    }

    void emptyIncludedDayIsNoEatenDayAndExcludedDayAddsNothing()
    {
        ProgramState s;
        put(s, 0, 0, 1, food(QStringLiteral("A"), {{KJ, 8000}, {P, 80}}), 100);
        // Day 1 is included and empty; day 2 has food but is excluded.
        put(s, 2, 0, 1, food(QStringLiteral("B"), {{KJ, 4000}, {P, 40}}), 100);
        s.computation->DayIncluded[2] = false;
        Recalculate(s);
        const CalculationResults &r = *s.results;
        QCOMPARE(r.IncludedEatenDays, 1);
        QCOMPARE(r.PeriodAverage[ix(KJ)], 8000.0f);
        QCOMPARE(r.PeriodAverage[ix(P)], 80.0f);
        QCOMPARE(r.MealTypeSums[0][ix(KJ)], 8000.0f);
        // The excluded day keeps its own sums and percentages.
        QCOMPARE(r.DaySums[2][ix(KJ)], 4000.0f);
        QCOMPARE(r.DayPercent[2][ix(P)], 40.0f);
    }

    void noEatenDayGivesZeroAverage()
    {
        ProgramState s;
        Recalculate(s);
        QCOMPARE(s.results->IncludedEatenDays, 0);
        QCOMPARE(s.results->PeriodAverage[ix(KJ)], 0.0f);
        QCOMPARE(s.results->PeriodEnergyShares[0], 0.0f);
    }

    void energySharesFromProteinAndFat()
    {
        ProgramState s;
        put(s, 0, 0, 1, food(QStringLiteral("A"), {{P, 10}, {F, 10}}), 100);
        Recalculate(s);
        const EnergyShares &m = s.results->MealEnergyShares[0][0];
        QCOMPARE(qRound(m[EnergyShare::Protein] * 10), 315);
        QCOMPARE(qRound(m[EnergyShare::Fat] * 10), 685);
        QCOMPARE(m[EnergyShare::Carbohydrate], 0.0f);
        QCOMPARE(s.results->DayEnergyShares[0][EnergyShare::Protein], m[EnergyShare::Protein]);
        // An empty meal has no shares.
        QCOMPARE(s.results->MealEnergyShares[0][1][EnergyShare::Protein], 0.0f);
    }

    void alcoholSwitchedOffGivesNoAlcoholEnergy()
    {
        ProgramState s;
        put(s, 0, 0, 1, food(QStringLiteral("A"), {{P, 10}, {Nutrient::Alcohol, 20}}), 100);
        Recalculate(s);
        QVERIFY(s.results->MealEnergyShares[0][0][EnergyShare::Alcohol] > 70);
        s.app.AlcoholFactor = 0;
        Recalculate(s);
        QCOMPARE(s.results->MealEnergyShares[0][0][EnergyShare::Alcohol], 0.0f);
        QCOMPARE(s.results->MealEnergyShares[0][0][EnergyShare::Protein], 100.0f);
    }

    void zeroNormGivesZeroPercentEverywhere()
    {
        ProgramState s;
        s.norm.values[ix(P)] = 0;
        put(s, 0, 0, 1, food(QStringLiteral("A"), {{KJ, 500}, {P, 10}}), 100);
        Recalculate(s);
        const CalculationResults &r = *s.results;
        QCOMPARE(r.MealPercent[0][0][ix(P)], 0.0f);
        QCOMPARE(r.DayPercent[0][ix(P)], 0.0f);
        QCOMPARE(r.PeriodPercent[ix(P)], 0.0f);
        QCOMPARE(r.RowPercent[1][ix(P)], 0.0f);
        QCOMPARE(r.MealSums[0][0][ix(P)], 10.0f);
    }

    void timeSlotsOfTheCurrentDay()
    {
        ProgramState s;
        put(s, 0, 0, 1, food(QStringLiteral("A"), {{P, 10}}), 100);
        put(s, 0, 1, 1, food(QStringLiteral("B"), {{P, 5}}), 100);
        put(s, 1, 0, 1, food(QStringLiteral("C"), {{P, 7}}), 100);
        RowEditing::SetTimeFrom(s.computation->Rows[0][0], 1, QStringLiteral("8,30"));
        Recalculate(s);
        QCOMPARE(s.results->TimeSlotSums[34][ix(P)], 10.0f);
        QCOMPARE(s.results->TimeSlotSums[96][ix(P)], 5.0f);
        s.computation->CurrentDay = 1;
        Recalculate(s);
        QCOMPARE(s.results->TimeSlotSums[34][ix(P)], 0.0f);
        QCOMPARE(s.results->TimeSlotSums[96][ix(P)], 7.0f);
    }

    void freeTextRowAddsNothing()
    {
        ProgramState s;
        RowEditing::SetTextRow(s.computation->row(0, 0, 1), QStringLiteral("Kl 8: frukost"));
        put(s, 0, 0, 2, food(QStringLiteral("A"), {{P, 10}}), 100);
        Recalculate(s);
        QCOMPARE(s.results->MealSums[0][0][ix(P)], 10.0f);
        QCOMPARE(s.results->MealMissing[0][0][ix(P)], 0);
    }

    void mealSharesFollowTheTextsAndWholeDayMode()
    {
        ProgramState s;
        s.settings.MealShareTexts[0] = QStringLiteral("12,5");
        s.settings.MealShareTexts[1] = QStringLiteral("abc");
        Recalculate(s);
        QCOMPARE(s.settings.MealShares[0], 0.125f);
        QCOMPARE(s.settings.MealShares[1], 0.0f);
        s.settings.WholeDayMode = true;
        s.computation->CurrentMeal = 2;
        Recalculate(s);
        QCOMPARE(s.computation->CurrentMeal, 0);
        QCOMPARE(s.settings.MealShares[0], 1.0f);
        QCOMPARE(s.settings.MealShares[2], 0.0f);
        QCOMPARE(s.computation->MealNames[0], QStringLiteral("Hela dagen"));
        s.settings.WholeDayMode = false;
        Recalculate(s);
        QCOMPARE(s.settings.MealShares[0], 0.125f);
        QCOMPARE(s.computation->MealNames[0], QStringLiteral("Frukost"));
    }

    void captionEndsWithTheMealsNeed()
    {
        ProgramState s;
        s.norm.values[ix(Nutrient::EnergyKcal)] = 2000;
        s.norm.NormCaption = QStringLiteral("Kvinna 31-60 år");
        s.app.ComputationFileName = QStringLiteral("test.diet");
        Recalculate(s);
        QCOMPARE(MainWindowCaption(s), QStringLiteral("test.diet   Kvinna 31-60 år") + QString(9, u' ') +
                                           QStringLiteral("500 kcal/Frukost"));
    }

    void selectedNutrientCount()
    {
        ProgramState s;
        Recalculate(s);
        QCOMPARE(s.results->SelectedNutrientCount, 72);
        s.selection.Selected[20] = false;
        s.selection.Selected[21] = false;
        Recalculate(s);
        QCOMPARE(s.results->SelectedNutrientCount, 70);
    }

    void resultsDoNotKeepOldRows()
    {
        ProgramState s;
        put(s, 0, 0, 1, food(QStringLiteral("A"), {{KJ, 500}, {P, 10}}), 100);
        Recalculate(s);
        RowEditing::DeleteRow(s.computation->Rows[0][0], 1);
        Recalculate(s);
        QCOMPARE(s.results->MealSums[0][0][ix(P)], 0.0f);
        QCOMPARE(s.results->RowPercent[1][ix(P)], 0.0f);
        QCOMPARE(s.results->IncludedEatenDays, 0);
    }
};

QTEST_GUILESS_MAIN(TestRecalculate)
#include "tst_recalculate.moc"
