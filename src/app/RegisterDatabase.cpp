#include "app/RegisterDatabase.h"

#include "app/SqlTable.h"
#include "food/RegisterLayout.h"
#include "food/SwedishOrder.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <sqlite3.h>

namespace {

int swedishCollation(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    // SQLITE_UTF16ALIGNED hands over native UTF-16, lengths in bytes.
    const QString sa = QString::fromRawData(static_cast<const QChar *>(a), lengthA / 2);
    const QString sb = QString::fromRawData(static_cast<const QChar *>(b), lengthB / 2);
    return SwedishCompare(sa, sb);
}

QString uniqueConnectionName(const void *owner)
{
    return QStringLiteral("velmora-registers-%1").arg(quintptr(owner), 0, 16);
}

QString errorOf(const QSqlDatabase &db)
{
    const QSqlError e = db.lastError();
    return e.databaseText().isEmpty() ? e.text() : e.databaseText();
}

} // namespace

QStringList RegisterDatabase::deliveredTables()
{
    return {QStringLiteral("brasol100"), QStringLiteral("brasol2005"), QStringLiteral("fabrikant"),
            QStringLiteral("dabas")};
}

QList<RegisterDatabase::Migration> RegisterDatabase::ownMigrations()
{
    // Version 1: the own foods. Later versions add their own steps here and never change an
    // earlier one, so that every user's file can be brought forward.
    return {{1, RegisterLayout::createStatements(QStringLiteral("egna"), ownSchema())}};
}

RegisterDatabase::RegisterDatabase()
    : connectionName(uniqueConnectionName(this))
{
}

RegisterDatabase::~RegisterDatabase()
{
    close();
}

Status RegisterDatabase::registerSwedishCollation(const QSqlDatabase &db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return Status::failure(QStringLiteral("Databasen är inte en SQLite-databas"));
    sqlite3 *h = *static_cast<sqlite3 *const *>(handle.constData());
    if (!h)
        return Status::failure(QStringLiteral("Databasen är inte öppen"));
    const int rc =
        sqlite3_create_collation_v2(h, "SWEDISH", SQLITE_UTF16_ALIGNED, nullptr, swedishCollation, nullptr);
    if (rc != SQLITE_OK)
        return Status::failure(
            QStringLiteral("Kan ej registrera namnordningen: %1").arg(QString::fromUtf8(sqlite3_errstr(rc))));
    return Status::success();
}

Status RegisterDatabase::createRegisterTables(const QSqlDatabase &db)
{
    for (const QString &table : deliveredTables()) {
        for (const QString &sql : RegisterLayout::createStatements(table, QStringLiteral("main"))) {
            if (Status s = Sql::exec(db, sql); !s)
                return s;
        }
    }
    return Sql::exec(db, QStringLiteral("PRAGMA main.user_version = %1").arg(RegisterSchemaVersion));
}

Status RegisterDatabase::open(const QString &programDir)
{
    const QDir dir(programDir);
    return openFiles(dir.filePath(registerFileName()), dir.filePath(ownFileName()));
}

Status RegisterDatabase::openFiles(const QString &registerFile, const QString &ownFile)
{
    close();
    const QString registerName = QDir::toNativeSeparators(registerFile);
    // Opening a missing file would create an empty one and hide the real fault.
    if (!QFileInfo(registerFile).isFile())
        return Status::failure(
            QStringLiteral("Kan ej öppna livsmedelsregistret: filen %1 saknas").arg(registerName));

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(registerFile);
    if (!db.open()) {
        const QString error = errorOf(db);
        db = QSqlDatabase();
        close();
        return Status::failure(
            QStringLiteral("Kan ej öppna livsmedelsregistret %1: %2").arg(registerName, error));
    }
    auto fail = [&](const QString &file, const QString &why) {
        db = QSqlDatabase();
        close();
        return Status::failure(QStringLiteral("Kan ej öppna livsmedelsregistret %1: %2").arg(file, why));
    };
    if (Status s = registerSwedishCollation(db); !s)
        return fail(registerName, s.message);

    const auto version = Sql::scalar(db, QStringLiteral("PRAGMA main.user_version"));
    if (!version)
        return fail(registerName, version.message);
    if (version->toInt() != RegisterSchemaVersion)
        return fail(registerName, QStringLiteral("filen har version %1, programmet läser version %2")
                                      .arg(version->toInt())
                                      .arg(RegisterSchemaVersion));
    for (const QString &table : deliveredTables()) {
        const auto n =
            Sql::scalar(db,
                        QStringLiteral("SELECT count(*) FROM main.sqlite_master WHERE type = 'table' "
                                       "AND name = ?"),
                        {table});
        if (!n)
            return fail(registerName, n.message);
        if (n->toInt() != 1)
            return fail(registerName, QStringLiteral("tabellen %1 saknas").arg(table));
    }

    if (Status s =
            Sql::exec(db, QStringLiteral("ATTACH DATABASE ? AS %1").arg(Sql::quoted(ownSchema())), {ownFile});
        !s)
        return fail(QDir::toNativeSeparators(ownFile), s.message);
    if (Status s = migrate(db, ownSchema(), ownMigrations()); !s)
        return fail(QDir::toNativeSeparators(ownFile), s.message);
    return Status::success();
}

Status RegisterDatabase::migrate(const QSqlDatabase &constDb, const QString &schemaName,
                                 const QList<Migration> &steps)
{
    QSqlDatabase db = constDb;
    const QString schema = Sql::quoted(schemaName);
    const auto version = Sql::scalar(db, QStringLiteral("PRAGMA %1.user_version").arg(schema));
    if (!version)
        return Status::failure(version.message);
    const int current = version->toInt();
    const int latest = steps.isEmpty() ? 0 : steps.last().toVersion;
    if (current > latest)
        return Status::failure(
            QStringLiteral(
                "filen kommer från en nyare version av programmet (version %1, programmet läser högst %2)")
                .arg(current)
                .arg(latest));
    if (current == 0) {
        // A file with tables but no version was not made by this program: leave it alone.
        const auto tables =
            Sql::scalar(db, QStringLiteral("SELECT count(*) FROM %1.sqlite_master").arg(schema));
        if (!tables)
            return Status::failure(tables.message);
        if (tables->toInt() != 0)
            return Status::failure(QStringLiteral("filen har tabeller men ingen versionsuppgift"));
    }
    for (const Migration &step : steps) {
        if (step.toVersion <= current)
            continue;
        if (!db.transaction())
            return Status::failure(errorOf(db));
        Status s;
        for (const QString &sql : step.statements) {
            s = Sql::exec(db, sql);
            if (!s)
                break;
        }
        if (s)
            s = Sql::exec(db, QStringLiteral("PRAGMA %1.user_version = %2").arg(schema).arg(step.toVersion));
        if (s && !db.commit())
            s = Status::failure(errorOf(db));
        if (!s) {
            db.rollback();
            return Status::failure(
                QStringLiteral("kan ej uppdatera till version %1: %2").arg(step.toVersion).arg(s.message));
        }
    }
    return Status::success();
}

void RegisterDatabase::close()
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

bool RegisterDatabase::isOpen() const
{
    return QSqlDatabase::contains(connectionName) && QSqlDatabase::database(connectionName, false).isOpen();
}

QSqlDatabase RegisterDatabase::connection() const
{
    return QSqlDatabase::database(connectionName, false);
}
