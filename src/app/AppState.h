#pragma once

#include <QString>
#include <array>

// Program-wide flags and texts that start-up sets before anything else runs. One instance,
// owned by the program's entry and handed to the windows that read or change it.
struct AppState {
    bool StartingUp = true;
    bool FirstFoodHintPending = true;
    bool ComputationChanged = false;
    QString ComputationFileName;
    int DisplayMode = 0; // 0 meal, then day and days (result views)
    bool MissingValuesMode = false;
    bool FoodEnergyCircleMode = false;
    bool NumbersViewActive = true;
    bool PerKgViewActive = false;
    bool DabasLoaded = false;
    bool MealClipboardFull = false;
    int DayProfileNutrient = 16;
    int AlcoholFactor = 2900; // kJ per gram of alcohol times 100
    std::array<float, 4> FoodEnergyShares{};
    QString CountryCode = QStringLiteral("S");
    QString BreakfastShortName;
    QString CurrentMealTitle;
    QString InitialDirectory = QStringLiteral(".");
    QString EditLockPassword = QStringLiteral("TOVALKE");
    QString ProgramDirectory;
    // Country "X" hides the language menu and the three food-country check boxes.
    bool CountryControlsHidden = false;
};

// Start values of every item above (what FormCreate sets before reading the configuration).
inline void ResetAppState(AppState &state)
{
    state = AppState{};
}
