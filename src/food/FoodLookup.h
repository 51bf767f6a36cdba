#pragma once

#include "food/FoodRecord.h"

#include <QString>
#include <optional>

// The food registers, in the order a lookup chain may name them.
enum class FoodRegister { Brasol100, Brasol2005, Fabrikant, Egna, Dabas };

// Each use of a food code resolves it through its own fixed chain of registers; the first
// register that holds the code wins.
enum class LookupChain {
    AddFood,            // brasol100, fabrikant, egna, dabas
    OpenComputation,    // brasol100, brasol2005, fabrikant, egna, dabas
    OpenOldComputation, // brasol100, fabrikant, egna
    ShowPer100g,        // brasol100, fabrikant, egna, dabas
    EditValues,         // brasol100, fabrikant, egna, dabas
    StandardWeights,    // brasol100
    ProductInfo,        // brasol100, fabrikant
    RecipeIngredients,  // brasol100, fabrikant, egna, dabas, brasol2005
};

struct FoundFood {
    FoodRegister source;
    FoodRecord record;
};

// Resolves food codes to register rows. The registers implement it over the database; tests
// use a small in-memory one.
class FoodLookup {
public:
    virtual ~FoodLookup() = default;

    // The food with exactly this code (nothing trimmed or case-folded), or nothing.
    virtual std::optional<FoundFood> FindFood(const QString &code, LookupChain chain) = 0;

    // The `Kod` of the national food whose `Grossartnr` equals the text (older saved
    // Computations hold article numbers), or an empty text.
    virtual QString CodeForArticleNumber(const QString &articleNumber) = 0;
};
