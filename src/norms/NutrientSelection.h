#pragma once

#include "app/Result.h"
#include "app/TextFile.h"
#include "food/Nutrients.h"

#include <QList>
#include <QString>

// The nutrients computed and shown; every nutrient until a selection is loaded.
struct NutrientSelection {
    PerNutrient<bool> Selected;

    NutrientSelection() { Selected.fill(true); }
    bool isSelected(int number) const { return Nutrient::isValid(number) && Selected[number]; }
    // How many of the nutrients 15 to 86 are selected.
    int SelectedCount() const;
    void clear() { Selected.fill(false); }
    // The selected numbers, ascending.
    QList<int> numbers() const;
};

// kJ, kcal, protein, fat, carbohydrates, vitamin C, calcium, iron and fibre.
const QList<int> &DefaultSelectionNumbers();

// The program's own selection file: "nvval.txt" appended to the initial directory as it stands,
// so "." gives ".nvval.txt" in the working directory and "C:\data\" gives "C:\data\nvval.txt".
QString ProgramSelectionFile(const QString &initialDirectory);

// A selection file: at most 72 numbers, with a wide margin.
TextFile::Limits SelectionFileLimits();

// Reads a selection file (one whole number per line). The numbers read before a missing file or
// a line that is not a whole number stay, and the default selection is added; numbers outside
// 15 to 86 are ignored. Ash (18) is never selected. A file that cannot be read or is far larger
// than a selection (over 64 kB or 1000 lines) counts as missing; the result says why.
Status LoadSelection(NutrientSelection &selection, const QString &path);

// The same for the lines of a file; `complete` false (a missing file) adds the default
// selection whatever the lines hold.
void TakeSelectionLines(NutrientSelection &selection, const QStringList &lines, bool complete = true);

// Writes the selected numbers, one per line, ascending.
Status SaveSelection(const NutrientSelection &selection, const QString &path);
