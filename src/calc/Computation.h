#pragma once

#include "app/LargeBlock.h"
#include "calc/FixedText.h"
#include "food/Nutrients.h"

#include <QString>
#include <array>
#include <cstdint>

// One food row of a meal. The field order and sizes are those of a recipe file record
// (612 bytes), so a row can be copied to and from such a file as it stands.
struct MealRow {
    FixedText<81> code; // "0" marks an empty row; a code containing ":" is a free-text row
    FixedText<80> name;
    FixedText<16> unitText;
    float portionGrams = 0;
    FixedText<16> unitName1;
    float unitGrams1 = 0;
    FixedText<16> unitName2;
    float unitGrams2 = 0;
    FixedText<16> unitName3;
    float unitGrams3 = 0;
    FixedText<16> unitName4;
    float unitGrams4 = 0;
    float grams = 0;
    float kgPrice = 0;
    float wastePercent = 0;
    FixedText<20> extraText;
    FixedText<5> timeText;
    std::int32_t timeSlot = 96; // quarter-hour 0 to 95; 96 = no time
    NutrientVector nutrients{};

    bool isEmpty() const { return code.equals("0"); }
    bool isFreeText() const { return code.contains(':'); }
};
static_assert(sizeof(MealRow) == 612, "a MealRow must keep the recipe-file record layout");

namespace ComputationSize {
constexpr int Days = 21;
constexpr int Meals = 9;
constexpr int RowsPerMeal = 199; // rows 1 to 199; slot 0 of each meal is never used
} // namespace ComputationSize

using MealRows = std::array<MealRow, ComputationSize::RowsPerMeal + 1>;
using DayRows = std::array<MealRows, ComputationSize::Meals>;
using RowSet = std::array<DayRows, ComputationSize::Days>;

// What the user builds: up to 21 days of nine meals of 199 rows. One instance for the whole
// run, allocated once; nothing is allocated per row.
struct Computation {
    RowSet Rows;
    RowSet UndoSnapshot; // the rows before the last edit that took a snapshot
    std::array<QString, ComputationSize::Days> DayNames;
    std::array<bool, ComputationSize::Days> DayIncluded;
    std::array<QString, ComputationSize::Meals> MealNames; // replaced by the language texts
    QString InfoText;
    int CurrentDay = 0;
    int CurrentMeal = 0;
    int CurrentRow = 1;

    Computation();
    VELMORA_LARGE_BLOCK_ALLOCATION

    MealRow &row(int day, int meal, int row) { return Rows[day][meal][row]; }
    const MealRow &row(int day, int meal, int row) const { return Rows[day][meal][row]; }
    MealRows &currentMeal() { return Rows[CurrentDay][CurrentMeal]; }
    const MealRows &currentMeal() const { return Rows[CurrentDay][CurrentMeal]; }
    bool mealHasFood(int day, int meal) const;
};

// Empties every row and resets the position and day names; keeps DayIncluded and the undo
// snapshot. `clearOtherParts` is false during start-up, when only the rows are cleared.
void ClearComputation(Computation &computation, bool clearOtherParts);

// Copies the rows into the undo snapshot (one block copy).
void TakeUndoSnapshot(Computation &computation);

// Exchanges the rows and the undo snapshot; doing it twice restores the undone edit.
void SwapUndoSnapshot(Computation &computation);

// "Frukost", "Lunch", "Middag", "Mellanmål1" to "Mellanmål6": captions, printouts, exports.
const std::array<QString, ComputationSize::Meals> &DefaultMealNames();

// "Dag 1" to "Dag 21".
QString DefaultDayName(int day);
