#pragma once

#include "app/AppState.h"
#include "calc/Computation.h"
#include "food/NutrientCatalogue.h"
#include "norms/ActiveNorm.h"

#include <memory>

// The program-wide state: created once by the program's entry (or a test) and handed by
// reference to every window and command that reads or changes it.
struct ProgramState {
    AppState app;
    NutrientCatalogue catalogue;
    ActiveNorm norm;
    std::unique_ptr<Computation> computation = std::make_unique<Computation>();
};
