#pragma once

#include "app/RegisterDatabase.h"
#include "app/SqlTable.h"
#include "food/FoodIndex.h"
#include "food/FoodLookup.h"

#include <QList>
#include <array>
#include <memory>

// The current row of a register table as a FoodRecord. A nutrient field (positions 15 to 86)
// that is empty gives -1 (unknown), a stored 0 gives 0; text fields that hold numbers are read
// with TextToNumber, so a register may hold decimal commas or points.
FoodRecord ReadFoodRecord(const SqlTable &table);

// The food registers on the program's register database: every food code is resolved here.
// Lookups answer from an in-memory copy of each register (FoodIndex), read on its first lookup
// and read again after the register's SqlTable has written to it. Whoever changes a register
// another way (a QSqlTableModel grid, a bulk load) calls registerChanged.
class FoodRegisters : public FoodLookup {
public:
    FoodRegisters();
    ~FoodRegisters() override;

    // Opens register.sqlite and egna.sqlite of the program folder and the five tables.
    Status open(const QString &programDir);
    Status openFiles(const QString &registerFile, const QString &ownFile);
    void close();
    bool isOpen() const { return opened; }

    // The first register of the chain that holds the code wins.
    std::optional<FoundFood> FindFood(const QString &code, LookupChain chain) override;
    // The register's food with this code, or nullptr (valid until the register changes).
    const FoodRecord *find(FoodRegister reg, const QString &code);
    QString CodeForArticleNumber(const QString &articleNumber) override;

    // The recipe browsers' preview consults brasol100, dabas, egna and brasol2005 in turn and
    // takes every register that holds the code.
    QList<FoundFood> FindFoodInEach(const QString &code);

    // Why the last lookup found nothing although the code may exist (a database error), or empty.
    const QString &lastError() const { return error; }

    SqlTable &table(FoodRegister reg) { return *tables[int(reg)]; }
    // The register was changed without its SqlTable: its in-memory copy is read again.
    void registerChanged(FoodRegister reg);
    RegisterDatabase &database() { return db; }

    static QString tableName(FoodRegister reg);
    static QList<FoodRegister> chainOf(LookupChain chain);

private:
    Status openTablesOrClose();
    const FoodIndex *indexOf(FoodRegister reg);

    RegisterDatabase db;
    std::array<std::unique_ptr<SqlTable>, 5> tables;
    std::array<FoodIndex, 5> indexes;
    bool opened = false;
    QString error;
};
