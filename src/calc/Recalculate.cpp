#include "calc/Recalculate.h"

#include "app/NumberText.h"
#include "app/ProgramState.h"

#include <algorithm>
#include <cstring>

namespace {

const QString kWholeDay = QStringLiteral("Hela dagen");

template <typename A> void zero(A &array)
{
    std::memset(static_cast<void *>(&array), 0, sizeof(A));
}

inline float percentOf(float amount, float norm)
{
    return norm <= 0.001f ? 0.0f : amount * 100.0f / norm;
}

void percentages(const NutrientVector &amounts, const NutrientVector &norm, NutrientVector &out)
{
    for (int j = 0; j < Nutrient::Count; ++j)
        out[j] = percentOf(amounts[j], norm[j]);
}

// Adds one meal's rows; returns nothing, writes the meal's sums and missing counts.
void sumMeal(const MealRows &rows, NutrientVector &sums, NutrientCounts &missing, bool currentDay,
             std::array<NutrientVector, CalculationResults::TimeSlots> &slotSums)
{
    for (int r = 1; r <= ComputationSize::RowsPerMeal; ++r) {
        const MealRow &row = rows[r];
        if (row.isEmpty())
            continue;
        const float factor = row.grams * 0.01f;
        for (int j = 0; j < Nutrient::Count; ++j) {
            const float v = row.nutrients[j];
            missing[j] += v < 0 ? 1 : 0;
            sums[j] += factor * (v < 0 ? 0.0f : v);
        }
        if (currentDay) {
            // A slot outside 0..96 (a damaged file) counts as no time rather than writing past the array.
            const int slot =
                row.timeSlot >= 0 && row.timeSlot < CalculationResults::TimeSlots ? row.timeSlot : 96;
            NutrientVector &s = slotSums[slot];
            for (int j = 0; j < Nutrient::Count; ++j) {
                const float v = row.nutrients[j];
                s[j] += factor * (v < 0 ? 0.0f : v);
            }
        }
    }
}

inline float at(const NutrientVector &v, int number)
{
    return v[Nutrient::index(number)];
}

} // namespace

EnergyShares ComputeEnergyShares(const NutrientVector &amounts, int alcoholFactor, bool withFibre)
{
    EnergyShares s{};
    const float p = at(amounts, Nutrient::Protein);
    const float f = at(amounts, Nutrient::Fat);
    const float c = at(amounts, Nutrient::Carbohydrate);
    const float fi = withFibre ? at(amounts, Nutrient::Fibre) : 0.0f;
    const float a = at(amounts, Nutrient::Alcohol);
    const float factor = float(alcoholFactor);
    const float e = 1700.0f * p + 3700.0f * f + 1700.0f * c + 800.0f * fi + factor * a;
    if (!(e > 5.0f))
        return s;
    const float n3 = at(amounts, 59) + at(amounts, 61) + at(amounts, 62) + at(amounts, 63);
    const float n6 = at(amounts, 58) + at(amounts, 60);
    s[EnergyShare::Protein] = p * 100.0f * 1700.0f / e;
    s[EnergyShare::Fat] = f * 100.0f * 3700.0f / e;
    s[EnergyShare::Carbohydrate] = (c * 1700.0f + fi * 800.0f) * 100.0f / e;
    s[EnergyShare::Alcohol] = a * 100.0f * factor / e;
    s[EnergyShare::Sucrose] = at(amounts, Nutrient::Sucrose) * 100.0f * 1700.0f / e;
    s[EnergyShare::Saturated] = at(amounts, Nutrient::Saturated) * 100.0f * 3700.0f / e;
    s[EnergyShare::Monounsaturated] = at(amounts, Nutrient::Monounsaturated) * 100.0f * 3700.0f / e;
    s[EnergyShare::Polyunsaturated] = at(amounts, Nutrient::Polyunsaturated) * 100.0f * 3700.0f / e;
    s[EnergyShare::Omega3] = n3 * 100.0f * 3700.0f / e;
    s[EnergyShare::Omega6] = n6 * 100.0f * 3700.0f / e;
    return s;
}

void ApplyWholeDayMode(ProgramState &state)
{
    MealSettings &settings = state.settings;
    if (settings.WholeDayMode) {
        state.computation->CurrentMeal = 0;
        settings.MealShares = {1, 0, 0, 0, 0, 0, 0, 0, 0};
        state.app.CurrentMealTitle = kWholeDay;
        state.computation->MealNames[0] = kWholeDay;
        return;
    }
    if (state.computation->MealNames[0] == kWholeDay)
        state.computation->MealNames[0] = DefaultMealNames()[0];
    for (int m = 0; m < ComputationSize::Meals; ++m)
        settings.MealShares[m] = TextToNumber(settings.MealShareTexts[m]) / 100.0f;
}

void Recalculate(ProgramState &state)
{
    ApplyWholeDayMode(state);

    CalculationResults &res = *state.results;
    const Computation &comp = *state.computation;
    const NutrientVector &norm = state.norm.values;

    res.SelectedNutrientCount = 0;
    for (int n = Nutrient::First; n <= Nutrient::Last; ++n)
        res.SelectedNutrientCount += state.selection.Selected[n] ? 1 : 0;

    zero(res.MealSums);
    zero(res.MealMissing);
    zero(res.TimeSlotSums);
    zero(res.MealTypeSums);
    zero(res.MealTypeMissing);
    zero(res.DaySums);
    zero(res.DayMissing);

    const int currentDay = comp.CurrentDay;
    for (int d = 0; d < ComputationSize::Days; ++d)
        for (int m = 0; m < ComputationSize::Meals; ++m)
            sumMeal(comp.Rows[d][m], res.MealSums[d][m], res.MealMissing[d][m], d == currentDay,
                    res.TimeSlotSums);

    // Row percentages of the current meal.
    const MealRows &current = comp.currentMeal();
    zero(res.RowPercent);
    for (int r = 1; r <= ComputationSize::RowsPerMeal; ++r) {
        if (current[r].isEmpty())
            continue;
        for (int j = 0; j < Nutrient::Count; ++j)
            res.RowPercent[r][j] = RowPercentOf(current[r], norm[j], j);
    }

    for (int d = 0; d < ComputationSize::Days; ++d)
        for (int m = 0; m < ComputationSize::Meals; ++m)
            for (int j = 0; j < Nutrient::Count; ++j) {
                res.DaySums[d][j] += res.MealSums[d][m][j];
                res.DayMissing[d][j] += res.MealMissing[d][m][j];
            }

    const int kj = Nutrient::index(Nutrient::EnergyKJ);
    res.IncludedEatenDays = 0;
    for (int d = 0; d < ComputationSize::Days; ++d)
        if (comp.DayIncluded[d] && res.DaySums[d][kj] > 10.0f)
            ++res.IncludedEatenDays;

    NutrientVector periodSum{};
    zero(res.PeriodMissing);
    for (int d = 0; d < ComputationSize::Days; ++d) {
        if (!comp.DayIncluded[d])
            continue;
        for (int m = 0; m < ComputationSize::Meals; ++m)
            for (int j = 0; j < Nutrient::Count; ++j) {
                res.MealTypeSums[m][j] += res.MealSums[d][m][j];
                res.MealTypeMissing[m][j] += res.MealMissing[d][m][j];
            }
        for (int j = 0; j < Nutrient::Count; ++j) {
            periodSum[j] += res.DaySums[d][j];
            res.PeriodMissing[j] += res.DayMissing[d][j];
        }
    }
    for (int j = 0; j < Nutrient::Count; ++j)
        res.PeriodAverage[j] = res.IncludedEatenDays < 1 ? 0.0f : periodSum[j] / float(res.IncludedEatenDays);

    for (int d = 0; d < ComputationSize::Days; ++d) {
        for (int m = 0; m < ComputationSize::Meals; ++m)
            percentages(res.MealSums[d][m], norm, res.MealPercent[d][m]);
        percentages(res.DaySums[d], norm, res.DayPercent[d]);
    }
    percentages(res.PeriodAverage, norm, res.PeriodPercent);

    const int alcohol = state.app.AlcoholFactor;
    for (int d = 0; d < ComputationSize::Days; ++d) {
        for (int m = 0; m < ComputationSize::Meals; ++m)
            res.MealEnergyShares[d][m] = ComputeEnergyShares(res.MealSums[d][m], alcohol);
        res.DayEnergyShares[d] = ComputeEnergyShares(res.DaySums[d], alcohol);
    }
    // A period without energy has no shares, like an empty meal or day: stale shares of an
    // emptied Computation would be shown as if they were the diet's.
    res.PeriodEnergyShares = ComputeEnergyShares(res.PeriodAverage, alcohol);
}

QString MealDisplayName(const ProgramState &state, int meal)
{
    return state.computation->MealNames[meal];
}

QString MainWindowCaption(const ProgramState &state)
{
    const int meal = state.computation->CurrentMeal;
    const float kcal =
        state.norm.values[Nutrient::index(Nutrient::EnergyKcal)] * state.settings.MealShares[meal];
    return state.app.ComputationFileName + QStringLiteral("   ") + state.norm.NormCaption + QString(9, u' ') +
           QString::number(double(kcal), 'f', 0) + QStringLiteral(" kcal/") + MealDisplayName(state, meal);
}
