#pragma once

#include <QString>
#include <array>

// How the day's need is divided over the meals and the ideal energy distribution. Kept in
// velmora.para; shown and edited in the settings window, whose grids mirror these values.
struct MealSettings {
    bool WholeDayMode = false;
    // Fractions of the day's need, breakfast, lunch, dinner, in-between meals 1 to 6.
    std::array<float, 9> MealShares{0.25f, 0.30f, 0.30f, 0.15f, 0, 0, 0, 0, 0};
    // Percentages: protein, fat, carbohydrate, monounsaturated, polyunsaturated, saturated fat.
    std::array<float, 6> IdealEnergyDistribution{15, 30, 55, 12.5f, 7.5f, 10};
    // The meal shares as typed in the settings grid, in percent (what velmora.para keeps).
    // Outside whole-day mode every recalculation takes MealShares from these texts.
    std::array<QString, 9> MealShareTexts{QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("30"),
                                          QStringLiteral("15"), QStringLiteral("0"),  QStringLiteral("0"),
                                          QStringLiteral("0"),  QStringLiteral("0"),  QStringLiteral("0")};
};
