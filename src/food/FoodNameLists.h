#pragma once

#include "app/Result.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// One entry of a register's in-memory name list. The search scans these instead of the
// database; the upper-cased name, the markers and the twin line are worked out once at load.
struct FoodListEntry {
    QString code;    // `Kod`
    QString name;    // `Livsmedel`, cut to 80 characters
    QString unit;    // `Enhet`
    QString portion; // `Portionsstorlek` as text
    QString group;   // `Grupp1` (national table and Dabas only)

    QString upperName;         // the name in upper case, as every match compares it
    QString twin;              // name + "{" + code + "}" + portion + "@" + unit
    bool reserved = false;     // the name is "RESERV" (a placeholder row)
    bool discontinued = false; // the name contains "UTGÅ"
    bool norwegian = false;    // the name contains "/NO"
    bool danish = false;       // the name contains "/DK"
};

// Fills the derived fields of an entry from code, name, unit, portion and group.
void FinishEntry(FoodListEntry &entry);
FoodListEntry MakeFoodListEntry(const QString &code, const QString &name, const QString &portion,
                                const QString &unit, const QString &group = {});

// A register's name list in the register's name order. It holds every row of the register:
// the list grows with the register, so a large register is never searched only in part.
struct FoodNameList {
    std::vector<FoodListEntry> entries;
    int count() const { return int(entries.size()); }
};

// Sorts the entries in Swedish name order (the order of the registers' "livsmedel" index);
// equal names keep their order.
void SortByName(FoodNameList &list);

// The name lists of the registers the search covers.
struct FoodNameLists {
    FoodNameList national;      // brasol100
    FoodNameList manufacturers; // fabrikant
    FoodNameList own;           // egna
    FoodNameList dabas;         // dabas, read on the first activation of Dabas
    // The food groups of the national table: "Bröd" and every distinct non-empty `Grupp1`,
    // in name order (without the title item of the group list).
    QStringList groups;
};

// The name list of one register table, read through `db` in name order. `keepGroup` keeps
// `Grupp1` in the entries. `progress` (optional) is called with the number of rows read so
// far. A failure part-way gives the rows read before it together with the message.
struct NameListLoad {
    FoodNameList list;
    Status status;
};
NameListLoad LoadFoodNameList(QSqlDatabase &db, const QString &table, bool keepGroup,
                              const std::function<void(int)> &progress = {});

// The start-up lists: national (with its groups), manufacturers and own foods. Every table is
// read even when one fails; the status names each table that could not be read.
struct NameListsLoad {
    FoodNameLists lists;
    Status status;
};
NameListsLoad LoadStartupNameLists(QSqlDatabase &db);

// The distinct `Grupp1` values of the national list, with "Bröd", in name order.
QStringList GroupsOf(const FoodNameList &national);

// The distinct non-empty groups of a list (the Dabas companies), in name order.
QStringList DistinctGroups(const FoodNameList &list);
