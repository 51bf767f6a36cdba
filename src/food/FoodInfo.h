#pragma once

#include "food/FoodLookup.h"
#include "food/NutrientCatalogue.h"
#include "norms/NutrientSelection.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <array>

// What the program shows about one food: its energy shares, its nutrients per 100 g and the web
// page with its product information.

// Protein, fat, carbohydrate and alcohol share (%) of a food's energy.
using FoodEnergyShareArray = std::array<float, 4>;

// E = 1700 protein + 3700 fat + 1700 carbohydrate + alcoholFactor alcohol (grams per 100 g;
// alcoholFactor is kJ per g times 100, 0 when alcohol is not counted). Every share is 0 when
// E is 5 or less. An unknown amount (negative) counts as 0.
FoodEnergyShareArray ComputeFoodEnergyShares(float protein, float fat, float carbohydrate, float alcohol,
                                             int alcoholFactor);
FoodEnergyShareArray FoodEnergySharesOf(const NutrientVector &per100g, int alcoholFactor);

// One slice of an energy pie chart.
struct EnergySlice {
    QString label; // "Prot", "Fett", "Kolh", "Alko"
    float share;   // %
    int colour;    // Qt::GlobalColor
};

// The pie of a food's energy: protein, fat and carbohydrate, and alcohol when its share exceeds
// 1 %; no slice at all when the four shares add up to 10 or less.
QList<EnergySlice> EnergyPieSlices(const FoodEnergyShareArray &shares);

// The lines of one pane of the per-100 g window: the food's name, an empty line, then for each
// nutrient 15 to 86 that is selected (or every one when showAll) its display name padded and cut
// to 10 characters followed by the amount with the nutrient's decimals; an unknown amount reads
// as 0.
QStringList FoodPer100gLines(const FoodRecord &food, const NutrientCatalogue &catalogue,
                             const NutrientSelection &selection, bool showAll);

// The product information page of a food, or an empty address when there is none:
// - a code beginning with "dab" (exact case): the Dabas public article page of the GTIN that
//   follows, filled with leading zeros to 14 digits;
// - a food of the national table: the agency's nutrient page for the code;
// - a manufacturer's product with a `www` address: that address.
QUrl ProductInfoUrl(const QString &code, FoodLookup &foods);

namespace ProductInfoHosts {
inline QString dabas()
{
    return QStringLiteral("https://www.dabas.com");
}
inline QString foodAgency()
{
    return QStringLiteral("https://soknaringsinnehall.livsmedelsverket.se");
}
} // namespace ProductInfoHosts
