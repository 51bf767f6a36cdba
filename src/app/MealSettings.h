#pragma once

#include <array>

// How the day's need is divided over the meals and the ideal energy distribution. Kept in
// velmora.para; shown and edited in the settings window, whose grids mirror these values.
struct MealSettings {
    bool WholeDayMode = false;
    // Fractions of the day's need, breakfast, lunch, dinner, in-between meals 1 to 6.
    std::array<float, 9> MealShares{0.25f, 0.30f, 0.30f, 0.15f, 0, 0, 0, 0, 0};
    // Percentages: protein, fat, carbohydrate, monounsaturated, polyunsaturated, saturated fat.
    std::array<float, 6> IdealEnergyDistribution{15, 30, 55, 12.5f, 7.5f, 10};
};
