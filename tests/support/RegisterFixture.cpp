#include "support/RegisterFixture.h"

#include "app/RegisterDatabase.h"
#include "app/SqlTable.h"
#include "food/FoodRegisters.h"

#include <QSqlDatabase>

RegisterFixture::RegisterFixture()
{
    const QString name = QStringLiteral("fixture-%1").arg(quintptr(this), 0, 16);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(registerFile());
        if (!db.open())
            created = Status::failure(QStringLiteral("Kan ej skapa testregistret"));
        else
            created = RegisterDatabase::registerSwedishCollation(db);
        if (created)
            created = RegisterDatabase::createRegisterTables(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QString RegisterFixture::registerFile() const
{
    return dir.filePath(RegisterDatabase::registerFileName());
}

QString RegisterFixture::ownFile() const
{
    return dir.filePath(RegisterDatabase::ownFileName());
}

Status putFood(SqlTable &table, const QString &code, const QString &name,
               std::initializer_list<std::pair<int, QVariant>> fields)
{
    table.append();
    if (Status s = table.setValue(1, code); !s)
        return s;
    if (Status s = table.setValue(2, name); !s)
        return s;
    for (const auto &[position, value] : fields) {
        if (Status s = table.setValue(position, value); !s)
            return s;
    }
    return table.post();
}

Status putFood(FoodRegisters &registers, FoodRegister reg, const QString &code, const QString &name,
               std::initializer_list<std::pair<int, QVariant>> fields)
{
    return putFood(registers.table(reg), code, name, fields);
}
