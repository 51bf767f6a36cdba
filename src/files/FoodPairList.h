#pragma once

#include "food/SwedishOrder.h"

#include <QStringList>
#include <algorithm>

// A list of foods kept as pairs: the text shown in the search list and, at the same index, its
// twin line with the code. Used for the recently used foods and the favourites.
struct FoodPairList {
    QStringList shown;
    QStringList twins;

    int count() const { return int(shown.size()); }
    bool containsShown(const QString &text) const { return shown.contains(text); }

    // Adds the pair in name order unless the shown text is there already; returns its index.
    int addSorted(const QString &text, const QString &twin)
    {
        if (const qsizetype at = shown.indexOf(text); at >= 0)
            return int(at);
        const auto pos = std::lower_bound(shown.begin(), shown.end(), text, SwedishLess) - shown.begin();
        shown.insert(pos, text);
        twins.insert(pos, twin);
        return int(pos);
    }
    // Drops entries from the front until at most `limit` remain.
    void trimTo(int limit)
    {
        while (shown.size() > limit) {
            shown.removeFirst();
            twins.removeFirst();
        }
    }
    void removeAt(int i)
    {
        shown.removeAt(i);
        twins.removeAt(i);
    }
    void clear()
    {
        shown.clear();
        twins.clear();
    }
};

// The recently used foods: every food chosen, and per meal type (breakfast, lunch, dinner,
// in-between meals). Each list keeps at most 40 entries.
struct RecentFoodLists {
    static constexpr int Limit = 40;
    FoodPairList all;       // ListBoxLivs2 / ListBoxLivs2H
    FoodPairList breakfast; // ListBoxFrukost
    FoodPairList lunch;     // ListBoxLunch
    FoodPairList dinner;    // ListBoxMiddag
    FoodPairList snacks;    // ListBoxMmal: meals 3 to 8

    FoodPairList &forMeal(int meal)
    {
        return meal == 0 ? breakfast : meal == 1 ? lunch : meal == 2 ? dinner : snacks;
    }
};
