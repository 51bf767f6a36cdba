#pragma once

#include "app/Result.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The program's food register database: one SQLite connection to two files of the program
// folder.
//  - register.sqlite: the delivered tables (brasol100, brasol2005, fabrikant, dabas); an update
//    of the program may replace the file as a whole.
//  - egna.sqlite: the user's own tables (egna, and later the user's recipe tables); never
//    replaced. Created with the current schema when missing, and brought up to the current
//    schema version, keeping its rows, when an older program made it.
// Both carry their schema version in PRAGMA user_version. Names compare in Swedish order through
// the collation SWEDISH, which every connection registers before it touches the tables.
class RegisterDatabase {
public:
    static constexpr int RegisterSchemaVersion = 1;
    static constexpr int OwnSchemaVersion = 1;
    static QString registerFileName() { return QStringLiteral("register.sqlite"); }
    static QString ownFileName() { return QStringLiteral("egna.sqlite"); }
    // The attached database that holds the user's tables.
    static QString ownSchema() { return QStringLiteral("own"); }

    // One step of the own file's schema: the statements that bring version `toVersion - 1`
    // to `toVersion`. Steps run in order, each in its own transaction.
    struct Migration {
        int toVersion;
        QStringList statements;
    };
    static QList<Migration> ownMigrations();

    // Brings the database `schema` of the connection from its user_version up to the last step.
    // A database without a version must be empty (a new file); one newer than the last step is
    // refused. A failing step is rolled back and leaves the file at the version before it.
    static Status migrate(const QSqlDatabase &db, const QString &schema, const QList<Migration> &steps);

    RegisterDatabase();
    ~RegisterDatabase();
    RegisterDatabase(const RegisterDatabase &) = delete;
    RegisterDatabase &operator=(const RegisterDatabase &) = delete;

    // Opens register.sqlite and egna.sqlite of the program folder. A missing or unreadable
    // register file, or an own file that cannot be opened or migrated, is a failure that names
    // the file.
    Status open(const QString &programDir);
    Status openFiles(const QString &registerFile, const QString &ownFile);
    void close();
    bool isOpen() const;

    QSqlDatabase connection() const;

    // Creates the delivered tables without rows on an empty database (the importer fills them)
    // and stamps it with RegisterSchemaVersion.
    static Status createRegisterTables(const QSqlDatabase &db);

    // Registers the collation SWEDISH (src/food/SwedishOrder.h) on an open SQLite connection.
    static Status registerSwedishCollation(const QSqlDatabase &db);

    // The delivered tables, in register.sqlite.
    static QStringList deliveredTables();

private:
    QString connectionName;
};
