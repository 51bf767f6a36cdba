#pragma once

#include "app/AppState.h"
#include "app/MealSettings.h"
#include "calc/CalculationResults.h"
#include "calc/Computation.h"
#include "diabetes/DiabetesEntries.h"
#include "files/FileState.h"
#include "files/FoodPairList.h"
#include "food/FoodLookup.h"
#include "food/FoodRegisters.h"
#include "food/NutrientCatalogue.h"
#include "food/SearchList.h"
#include "norms/ActiveNorm.h"
#include "norms/NutrientSelection.h"

#include <memory>

// The program-wide state: created once by the program's entry (or a test) and handed by
// reference to every window and command that reads or changes it.
struct ProgramState {
    AppState app;
    MealSettings settings;
    NutrientCatalogue catalogue;
    ActiveNorm norm;
    NutrientSelection selection;
    std::unique_ptr<Computation> computation = std::make_unique<Computation>();
    RecentFoodLists recent;
    // The food registers, through which every food code is resolved (set at start-up).
    FoodLookup *foods = nullptr;

    // --- Food search list: the registers' name lists and the list's own state ---
    SearchListState search;

    // --- Registration and calculation ---
    // Every number Recalculate produces; allocated once like the Computation.
    std::unique_ptr<CalculationResults> results = std::make_unique<CalculationResults>();

    // --- Computation files: save/open state, clipboards, favourites; diabetes texts saved with it ---
    FileState files;
    DiabetesEntries diabetes;

    // --- Food registers ---
    // The register database, opened by the main window's start-up and closed when it closes.
    std::unique_ptr<FoodRegisters> registers;
    // Energy shares of the food shown per 100 g before the last one (AppState holds the last).
    std::array<float, 4> PreviousFoodEnergyShares{};
};
