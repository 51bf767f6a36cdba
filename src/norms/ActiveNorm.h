#pragma once

#include "food/Nutrients.h"

#include <QString>

// The daily requirement that every percentage is computed against.
struct ActiveNorm {
    NutrientVector values;
    int NormKind = 0;            // which kind of norm built the values
    QString NormCaption;         // one-line description, shown in the main window caption
    int SelectedStandardNorm = 0;

    ActiveNorm() { values.fill(100.0f); }
};
