#pragma once

#include "food/Nutrients.h"

// The nutrients computed and shown; every nutrient until the user chooses.
struct NutrientSelection {
    PerNutrient<bool> Selected;

    NutrientSelection() { Selected.fill(true); }
    bool isSelected(int number) const { return Nutrient::isValid(number) && Selected[number]; }
};
