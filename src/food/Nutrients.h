#pragma once

#include <array>

// Nutrients are numbered 15 to 86: the field positions of the food register layout.
namespace Nutrient {
constexpr int First = 15;
constexpr int Last = 86;
constexpr int Count = 72;

constexpr int EnergyKJ = 15;
constexpr int EnergyKcal = 16;
constexpr int Protein = 19;
constexpr int Fat = 20;
constexpr int Carbohydrate = 21;
constexpr int Sodium = 38;
constexpr int Saturated = 41;
constexpr int Monounsaturated = 42;
constexpr int Polyunsaturated = 43;
constexpr int Sucrose = 47;
constexpr int Fibre = 48;
constexpr int Alcohol = 49;

constexpr bool isValid(int number)
{
    return number >= First && number <= Last;
}
constexpr int index(int number)
{
    return number - First;
}
} // namespace Nutrient

// 72 amounts; element i is nutrient number i + 15. A negative value means "not known".
using NutrientVector = std::array<float, Nutrient::Count>;

// An array indexed directly by nutrient number (slots 0 to 86, of which 15 to 86 are used).
template <typename T> using PerNutrient = std::array<T, Nutrient::Last + 1>;
