#pragma once

#include "app/MealSettings.h"
#include "app/Result.h"
#include "app/TextFile.h"
#include "calc/Computation.h"
#include "diabetes/DiabetesEntries.h"
#include "food/FoodLookup.h"

#include <QString>
#include <QStringList>

// The ".diet" file of a Computation: a header of 12 lines, the food entries of every meal of
// every day each meal closed by a terminator "*day/meal", then the diabetes lines.
namespace ComputationFile {

constexpr int HeaderLines = 12;
constexpr int Terminators = ComputationSize::Days * ComputationSize::Meals; // 189
constexpr int OldLayoutRows = 30;
// A Computation file of this program is a few megabytes at most; anything far larger is not one.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
constexpr int MaxLineLength = 2000;
// A full Computation: the header, a code and an amounts line for each of the 21 x 9 x 199 rows,
// the meal terminators and at most 2 x 21 x 20 + 34 diabetes lines, 76,297 lines in all. The
// bytes alone do not bound the memory (a file of line ends is millions of empty lines), so the
// reader also stops at this many lines.
constexpr int MaxLines = 100000;

inline QString saveFailed()
{
    return QStringLiteral("Kan ej spara beräkningen");
}
inline QString openFailed()
{
    return QStringLiteral("Kan ej öppna beräkningen");
}

// The code line of a row, and the code a code line holds: a code beginning with "*" (which would
// read as the end of a meal) is written after a blank.
QString CodeLine(const MealRow &row);
QString CodeOfLine(const QString &line);

// The amounts line of a row: grams with one decimal, "/", the portion rounded to whole grams,
// "@", the unit and, when there is a clock time, "&" and the time.
QString AmountsLine(const MealRow &row);

// Every line of the file, in order.
QStringList Lines(const Computation &computation, bool wholeDayMode, const DiabetesEntries &diabetes,
                  const QString &dateText);

// Writes the file atomically: a failure keeps an older file of the same name as it was.
Status Write(const QString &path, const Computation &computation, bool wholeDayMode,
             const DiabetesEntries &diabetes, const QString &dateText);

// What a reader fills in.
struct Target {
    Computation &computation;
    MealSettings &settings;
    DiabetesEntries &diabetes;
    FoodLookup &foods;
};

// Reads the file's lines, refusing what cannot be a Computation file (missing, unreadable, too
// large, too many lines, a line longer than MaxLineLength). The lines before a fault stay in
// `lines`, so that the rows they hold can be kept.
Status ReadLines(const QString &path, QStringList &lines);

// The limits of the reader above, for every reader of a Computation file's lines.
TextFile::Limits FileLimits();

// True when line 1 is the number 0: the oldest layout. A line 1 that is no whole number is
// neither layout (`ok` false).
bool IsOldLayout(const QStringList &lines, bool &ok);

// Reads the current layout from line 2 on (line 1 has told the layout): the date text, the
// whole-day mode, the food entries and the diabetes lines. A damaged or truncated file ends in
// a failure whose message starts with "Kan ej öppna beräkningen"; the rows read so far stay.
Status ReadComputationBody(const QStringList &lines, Target target, QString &dateText);

// Reads the oldest layout: 30 rows of code and grams lines per meal. Codes no register holds
// are reported in `missing`, one text each.
Status ReadOldLayout(const QStringList &lines, Target target, QStringList &missing);

// The Computation file name with its extension replaced: "a/b.diet" + ".norm" = "a/b.norm".
QString CompanionPath(const QString &path, const QString &extension);

} // namespace ComputationFile
