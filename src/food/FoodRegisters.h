#pragma once

#include "app/RegisterDatabase.h"
#include "app/SqlTable.h"
#include "food/FoodLookup.h"

#include <QList>
#include <array>
#include <memory>

// The current row of a register table as a FoodRecord. A nutrient field (positions 15 to 86)
// that is empty gives -1 (unknown), a stored 0 gives 0; text fields that hold numbers are read
// with TextToNumber, so a register may hold decimal commas or points.
FoodRecord ReadFoodRecord(const SqlTable &table);

// The food registers on the program's register database: every food code is resolved here.
class FoodRegisters : public FoodLookup {
public:
    FoodRegisters();
    ~FoodRegisters() override;

    // Opens register.sqlite and egna.sqlite of the program folder and the five tables.
    Status open(const QString &programDir);
    Status openFiles(const QString &registerFile, const QString &ownFile);
    void close();
    bool isOpen() const { return opened; }

    // The first register of the chain that holds the code wins; that table is left on the row.
    std::optional<FoundFood> FindFood(const QString &code, LookupChain chain) override;
    QString CodeForArticleNumber(const QString &articleNumber) override;

    // The recipe browsers' preview consults brasol100, dabas, egna and brasol2005 in turn and
    // takes every register that holds the code.
    QList<FoundFood> FindFoodInEach(const QString &code);

    // Why the last lookup found nothing although the code may exist (a database error), or empty.
    const QString &lastError() const { return error; }

    SqlTable &table(FoodRegister reg) { return *tables[int(reg)]; }
    RegisterDatabase &database() { return db; }

    static QString tableName(FoodRegister reg);
    static QList<FoodRegister> chainOf(LookupChain chain);

private:
    Status openTablesOrClose();
    std::optional<FoundFood> findIn(FoodRegister reg, const QString &code);

    RegisterDatabase db;
    std::array<std::unique_ptr<SqlTable>, 5> tables;
    bool opened = false;
    QString error;
};
