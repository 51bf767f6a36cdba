#pragma once

#include "calc/Computation.h"
#include "food/Nutrients.h"

#include <array>

// Index of each energy share in the share arrays.
namespace EnergyShare {
constexpr int Protein = 0;
constexpr int Fat = 1;
constexpr int Carbohydrate = 2;
constexpr int Alcohol = 3;
constexpr int Sucrose = 4;
constexpr int Saturated = 5;
constexpr int Monounsaturated = 6;
constexpr int Polyunsaturated = 7;
constexpr int Omega3 = 8;
constexpr int Omega6 = 9;
constexpr int Count = 10;
} // namespace EnergyShare

using NutrientCounts = std::array<int, Nutrient::Count>;
using EnergyShares = std::array<float, EnergyShare::Count>;

// Everything Recalculate computes. Arrays of 72 are indexed by Nutrient::index (nutrient
// number - 15). All amounts are 4-byte floats accumulated in float. Fully rewritten by every
// recalculation.
struct CalculationResults {
    static constexpr int Days = ComputationSize::Days;
    static constexpr int Meals = ComputationSize::Meals;
    static constexpr int RowSlots = ComputationSize::RowsPerMeal + 1;
    static constexpr int TimeSlots = 97; // quarter-hours 0 to 95, and 96 for rows without a time

    std::array<std::array<NutrientVector, Meals>, Days> MealSums;
    std::array<std::array<NutrientCounts, Meals>, Days> MealMissing;
    std::array<std::array<NutrientVector, Meals>, Days> MealPercent;
    std::array<NutrientVector, Days> DaySums;
    std::array<NutrientCounts, Days> DayMissing;
    std::array<NutrientVector, Days> DayPercent;
    int IncludedEatenDays = 0;
    std::array<NutrientVector, Meals> MealTypeSums;
    std::array<NutrientCounts, Meals> MealTypeMissing;
    NutrientVector PeriodAverage;
    NutrientCounts PeriodMissing;
    NutrientVector PeriodPercent;
    std::array<std::array<EnergyShares, Meals>, Days> MealEnergyShares;
    std::array<EnergyShares, Days> DayEnergyShares;
    EnergyShares PeriodEnergyShares{};
    // The current day only.
    std::array<NutrientVector, TimeSlots> TimeSlotSums;
    int SelectedNutrientCount = 0;

    // Each row's amount in % of the norm, for the rows of the current meal only (row 0 unused;
    // empty rows are 0). Other meals' rows: RowPercentOf. Keeping one meal instead of every
    // row slot spares clearing 11 MB on each recalculation; only the current meal is charted.
    std::array<NutrientVector, RowSlots> RowPercent;
};

// One row's amount of nutrient index j as % of the norm value; 0 for an unknown value or a
// norm of 0.001 or less.
inline float RowPercentOf(const MealRow &row, float norm, int j)
{
    if (norm <= 0.001f)
        return 0.0f;
    const float v = row.nutrients[j] < 0 ? 0.0f : row.nutrients[j];
    return v * row.grams / norm;
}
