#pragma once

#include "food/FoodNameLists.h"

#include <QString>
#include <QStringList>

class SearchListModel;

// What decides which foods a name search lists besides the text itself.
struct SearchOptions {
    bool swedish = true;           // "Svensk mat"
    bool norwegian = false;        // "Norsk mat"
    bool danish = false;           // "Dansk mat"
    bool dabas = false;            // "DABAS": the Dabas section instead of its "not activated" header
    bool showDiscontinued = false; // list names containing "UTGÅ"
};

// The header lines of the list's sections: the visible line and its twin.
struct SearchHeader {
    const char16_t *visible;
    const char16_t *twin;
};
inline constexpr SearchHeader HeaderManufacturers{u"           --- FABRIKANTER (+ = wwwinfo) ---",
                                                  u" --- FABRIKANTER ---"};
inline constexpr SearchHeader HeaderOwn{u"                         --- EGNA VÄRDEN ---",
                                        u" --- EGNA VÄRDEN ---"};
inline constexpr SearchHeader HeaderDabas{u"                         --- DABAS ---", u" --- DABAS ---"};
inline constexpr SearchHeader HeaderDabasInactive{u"                         --- DABAS EJ AKTIVERAD ---",
                                                  u"         --- DABAS EJ AKTIVERAD ---"};

// The line shown when a search finds nothing: this text followed by the search text in upper case.
inline constexpr const char16_t *NoHitText = u"Ingen träff på  ";

// The name search: fills `model` (one reset) with every matching entry, section by section
// (national, manufacturers, own foods, Dabas), in each section first the names that begin with
// the text and then the other names that contain it, or both of its words when it holds a blank.
// Returns the number of foods listed (header and no-hit lines are not counted).
int FillSearchList(const FoodNameLists &lists, const QString &text, const SearchOptions &options,
                   SearchListModel &model);

// The national foods whose group matches: equal to the upper-cased group when it has at most
// two characters, containing it when longer. An empty group leaves the model unchanged and
// returns -1; otherwise returns the number of foods listed.
int FilterByFoodGroup(const FoodNameLists &lists, const QString &group, SearchListModel &model);

// The manufacturers' products whose code contains the tag (both upper-cased). An empty tag
// leaves the model unchanged and returns -1; otherwise returns the number of foods listed.
int FilterByManufacturer(const FoodNameLists &lists, const QString &tag, SearchListModel &model);

// The fixed manufacturer list: visible names and the tags looked for in the products' codes.
// Item 0 is the title "Fabrikanter" in both; the list ends with two empty items.
QStringList ManufacturerNames();
QStringList ManufacturerTags();

// The search list's own state besides the name lists.
struct SearchListState {
    FoodNameLists lists;
    // What the list shows: "namn", "fabrikant", "favorit" or "senaste".
    QString ListMode = QStringLiteral("senaste");
    // The text of the last search started by Enter, the name-search command or a country box.
    QString LastSearchText;
    // The number of groups in the full group list: its items 1 to GroupCount (item 0 is the title).
    int GroupCount = 0;
    // List foods whose names contain "UTGÅ".
    bool ShowDiscontinued = false;
    // The item last right-clicked (-1: the click hit no item) and its food code.
    int SelectedListIndex = -1;
    QString SelectedListCode;
};
