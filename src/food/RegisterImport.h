#pragma once

#include "app/Result.h"

#include <QString>

// Builds the delivered register database (register.sqlite) from the source files the project
// keeps in data/sources/: the national food table (brasol100) and its previous edition
// (brasol2005) from the agency's CSV files through their column_mapping.csv, with portions and
// household units from portions/. fabrikant and dabas are created with the layout and no rows.
struct RegisterImportSummary {
    int nationalFoods = 0;
    int previousFoods = 0;
    int portionsFromOverrides = 0;   // national foods with a portion row of their own
    int portionsFromCorrections = 0; // national foods whose portion row we corrected
    int portionsFromGroups = 0;      // national foods with their group's portion
};

// Writes the database to outputFile through a temporary file, so a failed import leaves the
// previous database in place.
Result<RegisterImportSummary> ImportRegisters(const QString &sourceDir, const QString &outputFile);
