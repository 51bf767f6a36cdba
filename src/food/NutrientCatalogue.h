#pragma once

#include "app/Result.h"
#include "food/Nutrients.h"

#include <QList>
#include <QString>

// Names, units and display precision of the 72 nutrients, read from nvnamn.txt at start-up.
struct NutrientCatalogue {
    PerNutrient<QString> ShortName;   // bar labels, at most 12 characters
    PerNutrient<QString> DisplayName; // row headings, at most 12 characters
    PerNutrient<QString> UnitName;    // at most 2 characters
    PerNutrient<int> Decimals{};      // 0 to 9
};

// nvnamn.txt lines may spell Swedish letters with the 7-bit national forms, so that the file
// can be written on any keyboard: "{" ä, "|" ö, "}" å, "[" Ä, "\" Ö, "]" Å, "`" é, "~" ü, and a
// tab counts as a blank. Applied to every non-comment line in this order.
QString ReplaceNameFileCharacters(QString line);

// Parses the content of nvnamn.txt. A line that is not "NN name unit,d" with NN 15 to 86
// gives the failure "Fel i namnfilen nvnamn.txt" with the file and line number.
Result<NutrientCatalogue> ParseNutrientCatalogue(const QStringList &lines, const QString &fileName);

// The numbers 15 to 86 that no line of the parsed file named.
QList<int> MissingNutrientNumbers(const NutrientCatalogue &catalogue);

// Parses the lines as the program's nvnamn.txt: as ParseNutrientCatalogue, and every one of the
// 72 numbers must be named (the failure lists the numbers missing).
Result<NutrientCatalogue> ReadNutrientCatalogue(const QStringList &lines, const QString &fileName);

// nvnamn.txt is 72 short lines and a few comments; far more is not the name file.
constexpr qint64 NutrientCatalogueMaxBytes = 1024 * 1024;
constexpr qsizetype NutrientCatalogueMaxLines = 10000;

// Reads nvnamn.txt from the program folder; a missing, oversized or incomplete file is a failure
// naming the file.
Result<NutrientCatalogue> LoadNutrientCatalogue(const QString &programDir);
