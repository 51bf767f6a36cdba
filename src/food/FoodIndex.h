#pragma once

#include "app/Result.h"
#include "food/FoodRecord.h"

#include <QHash>
#include <QSqlDatabase>
#include <QVariant>
#include <functional>
#include <vector>

// A register row as a FoodRecord, from a function that gives the field at a position 1 to 96.
// A nutrient field (positions 15 to 86) that is empty gives -1 (unknown), a stored 0 gives 0;
// text fields that hold numbers are read with TextToNumber, so a register may hold decimal
// commas or points.
FoodRecord FoodRecordFromFields(const std::function<QVariant(int position)> &field);

// Every food of one register table, read into memory once and kept by code. The registers are
// small (a few thousand foods each), and a Computation names thousands of rows: one SQL query per
// row would make opening a file take seconds. The table stays the store; whoever writes to it
// makes the index stale (FoodRegisters rebuilds it on the next lookup).
class FoodIndex {
public:
    // Reads every row of the table on the connection. The article numbers (`Grossartnr`) are
    // kept too when asked for.
    Status load(const QSqlDatabase &db, const QString &table, bool withArticleNumbers);
    void clear();

    bool isLoaded() const { return loaded; }
    int size() const { return int(byCode.size()); }

    // The food with exactly this code, or nullptr.
    const FoodRecord *find(const QString &code) const;
    // The code of the first row (in storage order) with this article number, or an empty text.
    QString codeForArticleNumber(const QString &articleNumber) const;

    // Set by the owner: the table's change count when the index was read.
    quint64 loadedAtChange = 0;

private:
    // The records in storage order and, by code, their place: growing a hash of records of
    // half a kilobyte each would move them again at every rehash.
    std::vector<FoodRecord> foods;
    QHash<QString, qsizetype> byCode;
    QHash<QString, QString> articles;
    bool loaded = false;
};
