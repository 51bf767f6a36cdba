#pragma once

#include "app/Result.h"
#include "food/FoodLookup.h"

#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <initializer_list>
#include <utility>

class FoodRegisters;
class SqlTable;

// A small register database in a temporary folder: register.sqlite with the delivered tables and
// no rows, and egna.sqlite created on first open. Tests fill the tables they need.
class RegisterFixture {
public:
    RegisterFixture();
    QString folder() const { return dir.path(); }
    QString registerFile() const;
    QString ownFile() const;
    bool ok() const { return created.ok; }
    const QString &error() const { return created.message; }

private:
    QTemporaryDir dir;
    Status created;
};

// Appends a food to a register table through the table layer: code and name, then
// (position, value) pairs for other fields.
Status putFood(SqlTable &table, const QString &code, const QString &name,
               std::initializer_list<std::pair<int, QVariant>> fields = {});
Status putFood(FoodRegisters &registers, FoodRegister reg, const QString &code, const QString &name,
               std::initializer_list<std::pair<int, QVariant>> fields = {});
