#pragma once

#include "calc/CalculationResults.h"

#include <QString>

struct ProgramState;

// Whole-day mode: only meal 0 exists, named "Hela dagen", with the whole day's need. Otherwise
// the meal shares are taken again from the settings' meal-share texts (percent), so a value
// typed into the settings grid counts from the next recalculation on.
void ApplyWholeDayMode(ProgramState &state);

// Recomputes every result of state.results from the rows, the norm, the selection and the
// settings. GUI-free; the windows call it and then paint from the results.
void Recalculate(ProgramState &state);

// Ten energy shares in % from a nutrient vector of amounts (E in kJ x 100, fibre counted with
// 800, alcohol with `alcoholFactor`); all 0 when E is 5 or less. `withFibre` false leaves
// fibre out of the energy (the energy circle of one food).
EnergyShares ComputeEnergyShares(const NutrientVector &amounts, int alcoholFactor, bool withFibre = true);

// The meal's part of the day's need, written into the main window caption:
// file name, three blanks, norm caption, nine blanks, kcal, " kcal/", meal name.
QString MainWindowCaption(const ProgramState &state);

// The name of meal `meal` as captions show it ("Hela dagen" for meal 0 in whole-day mode).
QString MealDisplayName(const ProgramState &state, int meal);
