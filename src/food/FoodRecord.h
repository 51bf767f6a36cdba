#pragma once

#include "food/Nutrients.h"

#include <QString>
#include <array>

// What one register row gives a food row of a Computation.
struct FoodRecord {
    QString code;                     // the register key `Kod`
    QString name;                     // `Livsmedel`
    QString unit;                     // `Enhet`
    float portionGrams = 0;           // `Portionsstorlek`
    float kgPrice = 0;                // `kgpris` through TextToNumber
    std::array<QString, 4> unitNames; // `enhet1` to `enhet4`
    std::array<float, 4> unitGrams{}; // `port1` to `port4`
    float wastePercent = 0;           // position 14
    QString extraText;                // `extrastring`
    QString www;                      // `www`
    QString group;                    // `Grupp1`
    NutrientVector nutrients{};       // positions 15 to 86; -1 where the field is empty (unknown)
};
