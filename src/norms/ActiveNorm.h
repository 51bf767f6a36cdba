#pragma once

#include "food/Nutrients.h"

#include <QString>

// A row of the standard norm table: its number, its name and the 72 requirement values.
struct StandardNormRow {
    int number = 0;
    QString name; // at most 80 characters once taken into the program state
    NutrientVector values{};
};

// The daily requirement that every percentage is computed against.
struct ActiveNorm {
    NutrientVector values;
    // Which norm built the values: "standardnorm" at start, "standarnorm" once the user picked a
    // standard row, or the kind of a derived norm ("aktivnorm", "egennorm", "harrisnorm",
    // "personnorm", "kgkroppsviktnorm", "ketogennorm"), which selects a companion file.
    QString NormKind = QStringLiteral("standardnorm");
    QString NormCaption; // one-line description, shown in the main window caption
    // The standard row the derived norms build on.
    StandardNormRow SelectedStandardNorm;

    ActiveNorm() { values.fill(100.0f); }
};
