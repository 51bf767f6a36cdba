#pragma once

#include "app/Result.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// Checked SQL on a connection: every prepare and exec reports the database's error text.
namespace Sql {

// Prepares and runs one statement with positional values.
Status exec(QSqlQuery &query, const QString &sql, const QVariantList &values = {});
Status exec(const QSqlDatabase &db, const QString &sql, const QVariantList &values = {});

// The first column of the first row, or a failure (also when there is no row).
Result<QVariant> scalar(const QSqlDatabase &db, const QString &sql, const QVariantList &values = {});

// A name quoted for SQL.
QString quoted(const QString &name);

} // namespace Sql

// One table of the program's databases, used the way the program works with its tables: an
// active index, exact and nearest key searches, walking in index order (first, next, eof), a
// current row whose fields are read by name or by position, and edit / append / post / delete
// of that row. Positions count from 1 in the table's column order, as the register layout
// numbers its fields.
//
// Data-aware grids use a QSqlTableModel over database() and tableName() instead.
class SqlTable {
public:
    SqlTable() = default;
    SqlTable(const QSqlDatabase &db, const QString &table);
    SqlTable(const SqlTable &) = delete;
    SqlTable &operator=(const SqlTable &) = delete;
    ~SqlTable();

    // Reads the table's columns and indexes; the primary key becomes the active index.
    Status open();
    void close();
    bool isOpen() const { return opened; }

    const QString &tableName() const { return table; }
    QSqlDatabase database() const { return db; }
    // Grows with every row this table object writes or deletes, so that a copy of the table's
    // rows kept elsewhere can tell that it is stale.
    quint64 changeCount() const { return generation; }

    // --- Indexes ---
    // The names setIndex accepts: "" for the primary key, then the named indexes. An index
    // stored as "<table>_<name>" is known by <name>, since index names are shared by all
    // tables of a database file.
    QStringList indexNames() const;
    Status setIndex(const QString &name);
    const QString &activeIndex() const { return activeIndexName; }

    // --- Searching on the first column of the active index ---
    // Exact key: true and positioned on the row when found; false (eof, no row) otherwise.
    Result<bool> findKey(const QVariant &key);
    // Nearest key: the first row whose key is equal to or after the value; walking goes on
    // from there. eof when there is none.
    Status findNearest(const QVariant &key);

    // --- Walking in the active index's order ---
    Status first();
    Status next();
    bool eof() const { return atEnd; }
    bool hasRow() const { return rowLoaded; }

    // --- Fields of the current row (also the pending values while editing) ---
    int fieldCount() const { return int(columns.size()); }
    const QStringList &fieldNames() const { return columns; }
    // Position 1..fieldCount of a field, or 0 when the table has no such field.
    int position(const QString &name) const;
    QVariant value(int position) const;
    QVariant value(const QString &name) const;
    // The field as text; a NULL field gives an empty text.
    QString text(int position) const;
    QString text(const QString &name) const;
    bool isNull(int position) const;

    // --- Changing rows ---
    enum class State { Browse, Edit, Insert };
    State state() const { return editState; }
    // Starts changing the current row; fails when there is none.
    Status edit();
    // Starts a new row with every field empty (NULL).
    void append();
    Status setValue(int position, const QVariant &v);
    Status setValue(const QString &name, const QVariant &v);
    // Writes the pending row; the written row becomes the current row. Searching or walking
    // while a row is being changed writes it first.
    Status post();
    void cancel();
    // Deletes the current row; the row after it (in index order) becomes current.
    Status remove();

private:
    struct IndexInfo {
        QString name;        // the name the program uses
        QStringList columns; // quoted, with COLLATE where the index has one
        QStringList collations;
    };

    Status loadFrom(QSqlQuery &query);
    Status postPending();
    void clearRow();
    QString orderBy() const;
    QString selectList() const;
    Status seekAfterCurrent();
    Status reloadRow(qint64 rowid);
    const IndexInfo &index() const { return indexes[activeIndexSlot]; }
    QString keyTerm(int column) const;

    QSqlDatabase db;
    QString table;
    bool opened = false;
    QStringList columns;
    QList<IndexInfo> indexes; // slot 0: the primary key
    int activeIndexSlot = 0;
    QString activeIndexName;

    QSqlQuery walk; // the forward-only walk in index order
    bool walking = false;
    quint64 walkGeneration = 0;
    quint64 generation = 0; // bumped by every change this table makes

    QSqlQuery keyQuery; // prepared once per active index for findKey
    bool keyQueryReady = false;

    QVector<QVariant> row;
    qint64 rowid = -1;
    bool rowLoaded = false;
    bool atEnd = true;

    State editState = State::Browse;
    QVector<QVariant> pending;
    QVector<bool> changed;
};
