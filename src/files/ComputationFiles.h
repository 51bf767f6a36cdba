#pragma once

#include "app/Result.h"

#include <QString>
#include <QStringList>

struct ProgramState;

// The save and open commands of a Computation with its companion files, without windows: the
// main window asks for the file name, shows the messages and recalculates.
namespace ComputationFiles {

// Puts the file first in the list of earlier Computations (once).
void RememberEarlier(ProgramState &state, const QString &fileName);

struct SaveOutcome {
    QString fileName;     // the ".diet" file written
    bool saved = false;   // the ".diet" file itself
    QStringList messages; // to show, in order
};

// Saves under the chosen name (its extension becomes ".diet"): the ".txt" notes, the ".diet"
// file, the ".dnamn" day names when set in this run and the ".norm" file. On success the
// Computation is marked unchanged and its file name is the saved one.
SaveOutcome Save(ProgramState &state, const QString &chosenName, const QString &dateText);

// Writes the files a save writes to `dietFile` (a ".diet" name) and changes nothing in the
// state: not the file name, the list of earlier Computations or the changed flag. The day
// names are written when set in this run or when `allDayNames` asks for them.
SaveOutcome WriteFiles(const ProgramState &state, const QString &dietFile, const QString &dateText,
                       bool allDayNames = false);

struct OpenOutcome {
    bool opened = false; // the ".diet" file read without a fault
    bool oldLayout = false;
    QString dateText;
    QStringList messages;     // the fault, if any
    QStringList missingFoods; // oldest layout: codes no register holds
};

// Reads the file with its companions into the (already emptied) Computation: ".txt", ".dnamn",
// ".norm", the ideal energy distribution from the norm, then the ".diet" file in the layout its
// first line tells. Rows read before a fault stay. Needs state.foods.
OpenOutcome Open(ProgramState &state, const QString &fileName);

// What Open reads, without putting the file in the list of earlier Computations.
OpenOutcome Read(ProgramState &state, const QString &fileName);

// Empties the four meal-type lists and fills them from every filled row, as after an open.
void RebuildMealTypeLists(ProgramState &state);

// Adds a food to the recently-used list of its meal type, once per name.
void AddToMealTypeList(ProgramState &state, int meal, const QString &name, const QString &twin);

// Deletes the Computation file and its ".txt", ".norm", ".akt", ".enorm" and ".harris" files;
// the message to show.
Result<QString> Delete(const QString &fileName);

} // namespace ComputationFiles
