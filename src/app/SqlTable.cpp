#include "app/SqlTable.h"

#include <QSqlError>
#include <QSqlRecord>

namespace Sql {

namespace {

QString errorText(const QSqlError &e)
{
    QString t = e.databaseText();
    if (t.isEmpty())
        t = e.text();
    return t;
}

} // namespace

Status exec(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    if (!query.prepare(sql))
        return Status::failure(QStringLiteral("%1 (%2)").arg(errorText(query.lastError()), sql.left(200)));
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec())
        return Status::failure(QStringLiteral("%1 (%2)").arg(errorText(query.lastError()), sql.left(200)));
    return Status::success();
}

Status exec(const QSqlDatabase &db, const QString &sql, const QVariantList &values)
{
    QSqlQuery q(db);
    return exec(q, sql, values);
}

Result<QVariant> scalar(const QSqlDatabase &db, const QString &sql, const QVariantList &values)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (Status s = exec(q, sql, values); !s)
        return Result<QVariant>::failure(s.message);
    if (!q.next()) {
        if (q.lastError().isValid())
            return Result<QVariant>::failure(errorText(q.lastError()));
        return Result<QVariant>::failure(QStringLiteral("Inget svar på: %1").arg(sql.left(200)));
    }
    return Result<QVariant>::success(q.value(0));
}

QString quoted(const QString &name)
{
    QString q = name;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

} // namespace Sql

namespace {

// A float bound as such may lose its type in the driver; SQLite stores REAL as double anyway.
QVariant normalised(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return QVariant();
    if (v.typeId() == QMetaType::Float)
        return QVariant(double(v.toFloat()));
    if (v.typeId() == QMetaType::QString && v.toString().isEmpty())
        return QVariant(); // an empty field is an unknown value, as the registers read it
    return v;
}

} // namespace

SqlTable::SqlTable(const QSqlDatabase &database, const QString &tableName)
    : db(database)
    , table(tableName)
{
}

SqlTable::~SqlTable()
{
    close();
}

Status SqlTable::open()
{
    close();
    if (!db.isOpen())
        return Status::failure(QStringLiteral("Databasen för tabellen %1 är inte öppen").arg(table));

    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (Status s = Sql::exec(q, QStringLiteral("PRAGMA table_info(%1)").arg(Sql::quoted(table))); !s)
        return s;
    QStringList pkColumns; // in key order
    QList<int> pkOrder;
    while (q.next()) {
        columns.append(q.value(1).toString());
        const int pk = q.value(5).toInt();
        if (pk > 0) {
            pkColumns.append(q.value(1).toString());
            pkOrder.append(pk);
        }
    }
    if (columns.isEmpty())
        return Status::failure(QStringLiteral("Tabellen %1 finns inte").arg(table));

    // Every index with its key columns and collations; the primary key's is slot 0.
    IndexInfo primary;
    primary.name = QString();
    QList<IndexInfo> named;
    QSqlQuery list(db);
    list.setForwardOnly(true);
    if (Status s = Sql::exec(list, QStringLiteral("PRAGMA index_list(%1)").arg(Sql::quoted(table))); !s)
        return s;
    struct Found {
        QString name;
        QString origin;
    };
    QList<Found> found;
    while (list.next())
        found.append({list.value(1).toString(), list.value(3).toString()});
    list.finish();
    for (const Found &f : found) {
        IndexInfo info;
        QSqlQuery x(db);
        x.setForwardOnly(true);
        if (Status s = Sql::exec(x, QStringLiteral("PRAGMA index_xinfo(%1)").arg(Sql::quoted(f.name))); !s)
            return s;
        while (x.next()) {
            if (x.value(5).toInt() != 1 || x.value(1).toInt() < 0)
                continue; // the rowid and other auxiliary columns
            info.columns.append(x.value(2).toString());
            info.collations.append(x.value(4).toString());
        }
        if (f.origin == u"pk") {
            primary.columns = info.columns;
            primary.collations = info.collations;
            continue;
        }
        const QString prefix = table + u'_';
        info.name = f.name.startsWith(prefix) ? f.name.mid(prefix.size()) : f.name;
        named.append(info);
    }
    if (primary.columns.isEmpty()) {
        // A rowid table keyed on an INTEGER PRIMARY KEY, or one without a key: rowid order.
        if (pkColumns.size() == 1) {
            primary.columns = pkColumns;
            primary.collations = {QStringLiteral("BINARY")};
        }
    }
    indexes.clear();
    indexes.append(primary);
    indexes.append(named);
    row.fill(QVariant(), columns.size());
    pending.fill(QVariant(), columns.size());
    changed.fill(false, columns.size());
    opened = true;
    return setIndex(QString());
}

void SqlTable::close()
{
    walk.finish();
    walk = QSqlQuery();
    keyQuery.finish();
    keyQuery = QSqlQuery();
    keyQueryReady = false;
    walking = false;
    opened = false;
    columns.clear();
    indexes.clear();
    clearRow();
    editState = State::Browse;
}

QStringList SqlTable::indexNames() const
{
    QStringList names;
    for (const IndexInfo &i : indexes)
        names.append(i.name);
    return names;
}

Status SqlTable::setIndex(const QString &name)
{
    if (!opened)
        return Status::failure(QStringLiteral("Tabellen %1 är inte öppnad").arg(table));
    for (int i = 0; i < indexes.size(); ++i) {
        if (indexes[i].name == name || (i == 0 && name == u"primary")) {
            activeIndexSlot = i;
            activeIndexName = indexes[i].name;
            walk.finish();
            walking = false;
            keyQuery.finish();
            keyQueryReady = false;
            return Status::success();
        }
    }
    return Status::failure(QStringLiteral("Tabellen %1 har inget index %2").arg(table, name));
}

QString SqlTable::keyTerm(int column) const
{
    const IndexInfo &i = index();
    QString term = Sql::quoted(i.columns[column]);
    const QString &coll = i.collations[column];
    if (!coll.isEmpty() && coll.compare(u"BINARY", Qt::CaseInsensitive) != 0)
        term += QStringLiteral(" COLLATE ") + coll;
    return term;
}

QString SqlTable::orderBy() const
{
    QStringList terms;
    for (int c = 0; c < index().columns.size(); ++c)
        terms.append(keyTerm(c));
    terms.append(QStringLiteral("rowid"));
    return terms.join(QStringLiteral(", "));
}

QString SqlTable::selectList() const
{
    return QStringLiteral("SELECT rowid, * FROM %1").arg(Sql::quoted(table));
}

void SqlTable::clearRow()
{
    row.fill(QVariant(), columns.size());
    rowid = -1;
    rowLoaded = false;
    atEnd = true;
}

Status SqlTable::loadFrom(QSqlQuery &query)
{
    if (!query.next()) {
        const bool failed = query.lastError().isValid();
        const QString message = query.lastError().databaseText();
        query.finish();
        walking = false;
        atEnd = true; // the last row stays readable, as at the end of a walk
        if (failed)
            return Status::failure(QStringLiteral("Kan ej läsa tabellen %1: %2").arg(table, message));
        return Status::success();
    }
    rowid = query.value(0).toLongLong();
    for (int i = 0; i < columns.size(); ++i)
        row[i] = query.value(i + 1);
    rowLoaded = true;
    atEnd = false;
    return Status::success();
}

Result<bool> SqlTable::findKey(const QVariant &key)
{
    if (!opened)
        return Result<bool>::failure(QStringLiteral("Tabellen %1 är inte öppnad").arg(table));
    if (index().columns.isEmpty())
        return Result<bool>::failure(QStringLiteral("Tabellen %1 har ingen nyckel").arg(table));
    if (Status s = postPending(); !s)
        return Result<bool>::failure(s.message);
    walk.finish();
    walking = false;
    if (!keyQueryReady) {
        keyQuery = QSqlQuery(db);
        keyQuery.setForwardOnly(true);
        const QString sql =
            QStringLiteral("%1 WHERE %2 = ? ORDER BY %3 LIMIT 1").arg(selectList(), keyTerm(0), orderBy());
        if (!keyQuery.prepare(sql))
            return Result<bool>::failure(QStringLiteral("Kan ej söka i tabellen %1: %2")
                                             .arg(table, keyQuery.lastError().databaseText()));
        keyQueryReady = true;
    }
    keyQuery.bindValue(0, key);
    if (!keyQuery.exec())
        return Result<bool>::failure(
            QStringLiteral("Kan ej söka i tabellen %1: %2").arg(table, keyQuery.lastError().databaseText()));
    clearRow();
    if (Status s = loadFrom(keyQuery); !s)
        return Result<bool>::failure(s.message);
    keyQuery.finish();
    return Result<bool>::success(rowLoaded);
}

Status SqlTable::findNearest(const QVariant &key)
{
    if (!opened)
        return Status::failure(QStringLiteral("Tabellen %1 är inte öppnad").arg(table));
    if (index().columns.isEmpty())
        return Status::failure(QStringLiteral("Tabellen %1 har ingen nyckel").arg(table));
    if (Status s = postPending(); !s)
        return s;
    walk = QSqlQuery(db);
    walk.setForwardOnly(true);
    const QString sql =
        QStringLiteral("%1 WHERE %2 >= ? ORDER BY %3").arg(selectList(), keyTerm(0), orderBy());
    if (Status s = Sql::exec(walk, sql, {key}); !s)
        return s;
    walking = true;
    walkGeneration = generation;
    clearRow();
    return loadFrom(walk);
}

Status SqlTable::first()
{
    if (!opened)
        return Status::failure(QStringLiteral("Tabellen %1 är inte öppnad").arg(table));
    if (Status s = postPending(); !s)
        return s;
    walk = QSqlQuery(db);
    walk.setForwardOnly(true);
    if (Status s = Sql::exec(walk, QStringLiteral("%1 ORDER BY %2").arg(selectList(), orderBy())); !s)
        return s;
    walking = true;
    walkGeneration = generation;
    clearRow();
    return loadFrom(walk);
}

Status SqlTable::next()
{
    if (!opened)
        return Status::failure(QStringLiteral("Tabellen %1 är inte öppnad").arg(table));
    if (Status s = postPending(); !s)
        return s;
    if (atEnd || !rowLoaded)
        return Status::success();
    if (walking && walkGeneration == generation)
        return loadFrom(walk);
    // The walk was interrupted (a key search or a change of the table): go on from the
    // current row's place in the index.
    return seekAfterCurrent();
}

Status SqlTable::seekAfterCurrent()
{
    const IndexInfo &i = index();
    QStringList alternatives;
    QVariantList values;
    QStringList equalSoFar;
    QVariantList equalValues;
    for (int c = 0; c <= i.columns.size(); ++c) {
        const bool isRowid = c == i.columns.size();
        const QString term = isRowid ? QStringLiteral("rowid") : keyTerm(c);
        const QVariant v = isRowid ? QVariant(rowid) : row[columns.indexOf(i.columns[c])];
        QString greater;
        QVariantList greaterValues;
        if (v.isNull()) {
            greater = term + QStringLiteral(" IS NOT NULL");
        } else {
            greater = term + QStringLiteral(" > ?");
            greaterValues.append(v);
        }
        QStringList parts = equalSoFar;
        parts.append(greater);
        alternatives.append(u'(' + parts.join(QStringLiteral(" AND ")) + u')');
        values.append(equalValues);
        values.append(greaterValues);
        if (v.isNull()) {
            equalSoFar.append(term + QStringLiteral(" IS NULL"));
        } else {
            equalSoFar.append(term + QStringLiteral(" = ?"));
            equalValues.append(v);
        }
    }
    walk = QSqlQuery(db);
    walk.setForwardOnly(true);
    const QString sql = QStringLiteral("%1 WHERE %2 ORDER BY %3")
                            .arg(selectList(), alternatives.join(QStringLiteral(" OR ")), orderBy());
    if (Status s = Sql::exec(walk, sql, values); !s)
        return s;
    walking = true;
    walkGeneration = generation;
    return loadFrom(walk);
}

int SqlTable::position(const QString &name) const
{
    return int(columns.indexOf(name)) + 1;
}

QVariant SqlTable::value(int pos) const
{
    if (pos < 1 || pos > columns.size())
        return QVariant();
    return editState == State::Browse ? row[pos - 1] : pending[pos - 1];
}

QVariant SqlTable::value(const QString &name) const
{
    return value(position(name));
}

QString SqlTable::text(int pos) const
{
    const QVariant v = value(pos);
    return v.isNull() ? QString() : v.toString();
}

QString SqlTable::text(const QString &name) const
{
    return text(position(name));
}

bool SqlTable::isNull(int pos) const
{
    return value(pos).isNull();
}

Status SqlTable::edit()
{
    if (!opened || !rowLoaded)
        return Status::failure(QStringLiteral("Ingen rad att ändra i tabellen %1").arg(table));
    pending = row;
    changed.fill(false, columns.size());
    editState = State::Edit;
    return Status::success();
}

void SqlTable::append()
{
    pending.fill(QVariant(), columns.size());
    changed.fill(false, columns.size());
    editState = State::Insert;
}

Status SqlTable::setValue(int pos, const QVariant &v)
{
    if (editState == State::Browse)
        return Status::failure(QStringLiteral("Tabellen %1 är inte i ändringsläge").arg(table));
    if (pos < 1 || pos > columns.size())
        return Status::failure(QStringLiteral("Tabellen %1 har inget fält nr %2").arg(table).arg(pos));
    pending[pos - 1] = normalised(v);
    changed[pos - 1] = true;
    return Status::success();
}

Status SqlTable::setValue(const QString &name, const QVariant &v)
{
    const int pos = position(name);
    if (pos == 0)
        return Status::failure(QStringLiteral("Tabellen %1 har inget fält %2").arg(table, name));
    return setValue(pos, v);
}

Status SqlTable::reloadRow(qint64 id)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (Status s = Sql::exec(q, selectList() + QStringLiteral(" WHERE rowid = ?"), {id}); !s)
        return s;
    clearRow();
    return loadFrom(q);
}

Status SqlTable::post()
{
    if (editState == State::Browse)
        return Status::success();
    QStringList names;
    QVariantList values;
    for (int i = 0; i < columns.size(); ++i) {
        if (changed[i]) {
            names.append(Sql::quoted(columns[i]));
            values.append(pending[i]);
        }
    }
    QSqlQuery q(db);
    qint64 id = rowid;
    if (editState == State::Edit) {
        if (!names.isEmpty()) {
            QStringList sets;
            for (const QString &n : names)
                sets.append(n + QStringLiteral(" = ?"));
            values.append(rowid);
            const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                    .arg(Sql::quoted(table), sets.join(QStringLiteral(", ")));
            if (Status s = Sql::exec(q, sql, values); !s)
                return Status::failure(
                    QStringLiteral("Kan ej spara i tabellen %1: %2").arg(table, s.message));
        }
    } else {
        QString sql;
        if (names.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(Sql::quoted(table));
        } else {
            QStringList marks;
            for (int i = 0; i < names.size(); ++i)
                marks.append(QStringLiteral("?"));
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(Sql::quoted(table), names.join(QStringLiteral(", ")),
                           marks.join(QStringLiteral(", ")));
        }
        if (Status s = Sql::exec(q, sql, values); !s)
            return Status::failure(QStringLiteral("Kan ej spara i tabellen %1: %2").arg(table, s.message));
        id = q.lastInsertId().toLongLong();
    }
    editState = State::Browse;
    ++generation;
    return reloadRow(id);
}

Status SqlTable::postPending()
{
    // Moving away from a changed row writes it, as the program's tables always did; dropping
    // it silently would lose the user's input.
    return editState == State::Browse ? Status::success() : post();
}

void SqlTable::cancel()
{
    editState = State::Browse;
}

Status SqlTable::remove()
{
    cancel();
    if (!opened || !rowLoaded)
        return Status::failure(QStringLiteral("Ingen rad att ta bort i tabellen %1").arg(table));
    if (Status s =
            Sql::exec(db, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(Sql::quoted(table)), {rowid});
        !s)
        return Status::failure(
            QStringLiteral("Kan ej ta bort raden i tabellen %1: %2").arg(table, s.message));
    ++generation;
    // The deleted row's key still lies in the buffer: the next row is the one after it.
    Status s = seekAfterCurrent();
    if (atEnd)
        clearRow();
    return s;
}
