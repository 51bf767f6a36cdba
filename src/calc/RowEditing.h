#pragma once

#include "calc/Computation.h"

#include <QString>
#include <QStringList>

struct FoodRecord;
class FoodLookup;
struct RecentFoodLists;

// The editing operations of the meal grid as plain functions on the rows, so that the windows
// only translate events into these calls.
namespace RowEditing {

// Empties a row (code "0", no amounts, no time).
void ClearRow(MealRow &row);

// The first row from 1 up whose code is "0"; row 199 (to be overwritten) when all are filled.
int FirstFreeRow(const MealRows &rows);

// Where a new food goes: the first free row when `row` is 0; otherwise `row`, and with
// `insert` the rows row..198 first move down by one (row 199 is lost).
int PrepareTargetRow(MealRows &rows, int row, bool insert);

// The four alternative units and their grams of a register food.
void CopyAlternativeUnits(MealRow &row, const FoodRecord &food);

// Fills a row from a register row with one portion. Waste and extra text are taken only when
// `withWasteAndExtra` (the quick code entry leaves them out). The time is left empty.
void FillRowFromFood(MealRow &row, const FoodRecord &food, bool withWasteAndExtra = true);

// A new row below a row with a clock time takes that time and its slot.
void CopyTimeFromRowAbove(MealRows &rows, int row);

// A free-text heading row: code and name are the text, no weight and no nutrients.
void SetTextRow(MealRow &row, const QString &text);

// Typing a count: grams = count x portion, or 0 when the portion is 0.01 g or less.
void SetCount(MealRow &row, float count);

// The clock time of `row` and of every later row of the meal (text cut to 5 characters).
void SetTimeFrom(MealRows &rows, int row, const QString &text);

// The step of "+" and "-": a tenth of the portion, or 10 g for portions below 0.5 g.
float GramStep(const MealRow &row);

// Rows row + 1 to 199 move up by one; row 199 becomes empty.
void DeleteRow(MealRows &rows, int row);

// Every filled row of every day and meal whose code is `oldCode` gets `newCode` (the code
// only; reopening the Computation rebuilds the rest). Returns the number of rows changed.
int ReplaceCodeEverywhere(Computation &computation, const QString &oldCode, const QString &newCode);

// The unit list of a row: its name, the alternative units with derived spoon measures, the
// waste percentage, the extra text and "Vikt avser ätlig del".
QStringList UnitListEntries(const MealRow &row, bool danish = false);

// Applies an entry of the unit list ("120 g/port"): unit, portion and grams (count 1).
// The name, waste and edible-part entries change nothing; returns whether the row changed.
bool ApplyUnitEntry(MealRow &row, const QString &entry);

// Remembers a chosen food in the all-foods list and in the list of the meal's type; every
// list then keeps at most its 40 latest entries.
void RememberRecentFood(RecentFoodLists &recent, int meal, const QString &shown, const QString &twin);

// A typed national food code in the register's form: upper case, and "_" after the first
// character when that sorts at or before "9" ("a1" -> "A1", "12" -> "1_2").
QString NationalCodeForm(const QString &typed);

} // namespace RowEditing

namespace RowEditing {
// Rows holding `food`'s code take its name, units and values again; amounts, unit text and
// time stay. Returns the number of rows refreshed.
int RefreshRowsFromFood(Computation &computation, const FoodRecord &food);

// "Byt alla": every row of `oldCode` becomes the food `newCode` as opening the saved file would
// rebuild it (name and values of the new food; amount, unit and time kept), found through
// `foods` as a file is opened. The caller takes the undo snapshot. Returns the rows changed.
int ReplaceFoodEverywhere(Computation &computation, FoodLookup &foods, const QString &oldCode,
                          const QString &newCode);
} // namespace RowEditing
