#pragma once

#include "app/Result.h"
#include "norms/ActiveNorm.h"

#include <QList>
#include <QString>
#include <QStringList>

// The table of standard norms `normer`: the 86-field register layout, of which the norms use
// `Nr`, `Norm` and the 72 nutrient fields (positions 15 to 86).
namespace NormTable {

// The file in the program folder that holds the table.
inline QString fileName()
{
    return QStringLiteral("normer.sqlite");
}

// The 86 field names, position 1 first.
const QStringList &fieldNames();

// Reads the delivered rows: UTF-8, ";"-separated, decimal point, header "Nr;Norm;15;...;86".
Result<QList<StandardNormRow>> readCsv(const QString &path);

// Builds the database file anew from the rows (replacing an older one only when complete).
Status create(const QString &databasePath, const QList<StandardNormRow> &rows);

// Every row, by ascending `Nr`.
Result<QList<StandardNormRow>> load(const QString &databasePath);

// Writes one row: replaces the row with that `Nr`, or appends it.
Status store(const QString &databasePath, const StandardNormRow &row);

} // namespace NormTable
