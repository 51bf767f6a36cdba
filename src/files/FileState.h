#pragma once

#include "calc/Computation.h"
#include "files/FoodPairList.h"

#include <QString>
#include <QStringList>
#include <memory>

// A meal's rows 1 to 199, copied to be pasted into another meal.
using MealClipboardRows = std::array<MealRow, ComputationSize::RowsPerMeal + 1>;

// What the Computation-file commands keep between commands.
struct FileState {
    // When not empty, the next save or open uses this name instead of asking.
    QString PresetFileName;
    // The day names were edited in this run, so the next save writes them.
    bool DayNamesSet = false;
    // Earlier Computations, most recent first (the list's fixed first item is not held here).
    QStringList EarlierComputations;
    static constexpr int StoredEarlierComputations = 51;

    FoodPairList favourites; // ListBoxFavorit / ListBoxFavoritH

    // The clipboards, allocated once: a meal and a whole day.
    std::unique_ptr<MealClipboardRows> MealClipboard = std::make_unique<MealClipboardRows>();
    std::unique_ptr<DayRows> DayClipboard = std::make_unique<DayRows>();
    bool DayClipboardFull = false;
};
