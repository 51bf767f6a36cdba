#include "norms/NormTable.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

// One connection per use, closed and removed again when the scope ends.
class Connection {
public:
    explicit Connection(const QString &path)
        : name(QStringLiteral("normer-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        opened = db.open();
        if (!opened)
            error = db.lastError().text();
    }
    ~Connection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(name, false); }

    QString name;
    bool opened = false;
    QString error;
};

QString quoted(const QString &field)
{
    return u'"' + field + u'"';
}

Status failed(const QString &what, const QSqlQuery &q)
{
    return Status::failure(QStringLiteral("Normtabellen: %1: %2").arg(what, q.lastError().text()));
}

Status exec(QSqlQuery &q, const QString &sql)
{
    if (!q.exec(sql))
        return failed(sql.left(60), q);
    return Status::success();
}

Status insertRow(QSqlQuery &insert, const StandardNormRow &row)
{
    insert.bindValue(0, row.number);
    insert.bindValue(1, row.name);
    for (int i = 0; i < Nutrient::Count; ++i)
        insert.bindValue(2 + i, double(row.values[i]));
    if (!insert.exec())
        return failed(QStringLiteral("rad %1").arg(row.number), insert);
    return Status::success();
}

QString insertSql()
{
    const QStringList &fields = NormTable::fieldNames();
    QStringList names{quoted(fields[0]), quoted(fields[1])};
    QStringList marks{QStringLiteral("?"), QStringLiteral("?")};
    for (int p = Nutrient::First; p <= Nutrient::Last; ++p) {
        names.append(quoted(fields[p - 1]));
        marks.append(QStringLiteral("?"));
    }
    return QStringLiteral("INSERT OR REPLACE INTO normer (%1) VALUES (%2)")
        .arg(names.join(u','), marks.join(u','));
}

} // namespace

namespace NormTable {

const QStringList &fieldNames()
{
    static const QStringList names = {
        "Nr", "Norm", "Portionsstorlek", "Enhet", "Grupp1", "Grupp2", "kgpris", "Datum", "Grossist",
        "Grossartnr", "ean", "Res1", "Res2", "Avfall _%_",
        // 15 to 86
        "Energi _kJ_ _kJ_", "Energi _kcal_ _kcal_", "Vatten _g_", "Aska _g_", "Protein _g_", "Fett _g_",
        "Kolhydrater _g_", "Retinol _mcg_", "Karoten _mcg_", "Retinolekv _mcg_", "D vitamin _mcg_",
        "a-Tokoferol _mg_", "Tiamin _mg_", "Askorbinsyra _mg_", "Riboflavin _mg_", "Niacin _mg_",
        "Niacinekv _mg_", "Vitamin B6 _mg_", "Vitamin B12 _mcg_", "Kalcium _mg_", "Fosfor _mg_", "Järn _mg_",
        "Magnesium _mg_", "Natrium _mg_", "Kalium _mg_", "Zink _mg_", "Mättade fettsyror _g_",
        "Enkelomättade fettsyror _", "Fleromättade fettsyror _g", "Kolesterol _mg_", "Monosackarider _g_",
        "Disackarider _g_", "Sackaros _g_", "Fibrer _g_", "Alkohol _g_", "Fettsyra C4-C10 _g_",
        "Fettsyra C12:0 _g_", "Fettsyra C14:0 _g_", "Fettsyra C16:0 _g_", "Fettsyra C18:0 _g_",
        "Fettsyra C20:0 _g_", "Fettsyra C16:1 _g_", "Fettsyra C18:1 _g_", "Fettsyra C18:2 _g_",
        "Fettsyra C18:3 _g_", "Fettsyra C20:4 _g_", "Fettsyra C20:5 _g_", "Fettsyra C22:5 _g_",
        "Fettsyra C22:6 _g_", "Folat _mcg_", "Selen _mcg_", "ILE_mg", "LEU_mg", "LYS_mg", "MET_mg", "CYS_mg",
        "PHE_mg", "TYR_mg", "THR_mg", "TRP_mg", "VAL_mg", "ARG_mg", "HIS_mg", "ALA_mg", "ASP_mg", "GLU_mg",
        "GLY_mg", "PRO_mg", "SER_mg", "extra1", "extra2", "extra3"};
    return names;
}

Result<QList<StandardNormRow>> readCsv(const QString &path)
{
    using R = Result<QList<StandardNormRow>>;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return R::failure(QStringLiteral("Kan ej läsa %1: %2").arg(path, file.errorString()));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return R::failure(QStringLiteral("%1 är tom").arg(path));
    QStringList header{QStringLiteral("Nr"), QStringLiteral("Norm")};
    for (int p = Nutrient::First; p <= Nutrient::Last; ++p)
        header.append(QString::number(p));
    if (lines.first().trimmed().split(u';') != header)
        return R::failure(QStringLiteral("%1: rubrikraden ska vara Nr;Norm;15;...;86").arg(path));
    QList<StandardNormRow> rows;
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].trimmed().split(u';');
        if (fields.size() != 2 + Nutrient::Count)
            return R::failure(QStringLiteral("%1 rad %2: %3 fält i stället för 74")
                                  .arg(path)
                                  .arg(i + 1)
                                  .arg(fields.size()));
        StandardNormRow row;
        bool ok = false;
        row.number = fields[0].toInt(&ok);
        if (!ok || row.number <= 0)
            return R::failure(QStringLiteral("%1 rad %2: ogiltigt normnummer").arg(path).arg(i + 1));
        row.name = fields[1];
        for (int v = 0; v < Nutrient::Count; ++v) {
            row.values[v] = fields[2 + v].toFloat(&ok);
            if (!ok || row.values[v] < 0)
                return R::failure(
                    QStringLiteral("%1 rad %2: ogiltigt värde i fält %3").arg(path).arg(i + 1).arg(v + 15));
        }
        for (const StandardNormRow &earlier : rows)
            if (earlier.number == row.number)
                return R::failure(
                    QStringLiteral("%1: normnummer %2 finns två gånger").arg(path).arg(row.number));
        rows.append(row);
    }
    return R::success(rows);
}

Status create(const QString &databasePath, const QList<StandardNormRow> &rows)
{
    // Build beside the target and swap it in when complete, so a failed build keeps the old table.
    const QString temporary = databasePath + QStringLiteral(".new");
    QFile::remove(temporary);
    {
        Connection c(temporary);
        if (!c.opened)
            return Status::failure(QStringLiteral("Kan ej skapa %1: %2").arg(temporary, c.error));
        QSqlDatabase db = c.db();
        QSqlQuery q(db);
        const QStringList &fields = fieldNames();
        QStringList columns;
        for (int p = 1; p <= fields.size(); ++p) {
            const QString type = p == 1 ? QStringLiteral("INTEGER PRIMARY KEY")
                                 : (p == 3 || p == 14 || p >= Nutrient::First) ? QStringLiteral("REAL")
                                                                               : QStringLiteral("TEXT");
            columns.append(quoted(fields[p - 1]) + u' ' + type);
        }
        if (Status s = exec(q, QStringLiteral("CREATE TABLE normer (%1)").arg(columns.join(u','))); !s)
            return s;
        if (!db.transaction())
            return Status::failure(QStringLiteral("Normtabellen: %1").arg(db.lastError().text()));
        QSqlQuery insert(db);
        if (!insert.prepare(insertSql()))
            return failed(QStringLiteral("prepare"), insert);
        for (const StandardNormRow &row : rows)
            if (Status s = insertRow(insert, row); !s)
                return s;
        if (!db.commit())
            return Status::failure(QStringLiteral("Normtabellen: %1").arg(db.lastError().text()));
    }
    QFile::remove(databasePath);
    if (!QFile::rename(temporary, databasePath))
        return Status::failure(QStringLiteral("Kan ej ersätta %1").arg(databasePath));
    return Status::success();
}

Result<QList<StandardNormRow>> load(const QString &databasePath)
{
    using R = Result<QList<StandardNormRow>>;
    if (!QFileInfo::exists(databasePath))
        return R::failure(QStringLiteral("Normtabellen %1 saknas").arg(databasePath));
    Connection c(databasePath);
    if (!c.opened)
        return R::failure(QStringLiteral("Kan ej öppna %1: %2").arg(databasePath, c.error));
    QSqlQuery q(c.db());
    const QStringList &fields = fieldNames();
    QStringList names{quoted(fields[0]), quoted(fields[1])};
    for (int p = Nutrient::First; p <= Nutrient::Last; ++p)
        names.append(quoted(fields[p - 1]));
    if (!q.exec(QStringLiteral("SELECT %1 FROM normer ORDER BY \"Nr\"").arg(names.join(u','))))
        return R::failure(QStringLiteral("Normtabellen: %1").arg(q.lastError().text()));
    QList<StandardNormRow> rows;
    while (q.next()) {
        StandardNormRow row;
        row.number = q.value(0).toInt();
        row.name = q.value(1).toString();
        for (int i = 0; i < Nutrient::Count; ++i)
            row.values[i] = q.value(2 + i).toFloat(); // an empty field reads as 0: no requirement
        rows.append(row);
    }
    if (q.lastError().isValid())
        return R::failure(QStringLiteral("Normtabellen: %1").arg(q.lastError().text()));
    return R::success(rows);
}

Status store(const QString &databasePath, const StandardNormRow &row)
{
    Connection c(databasePath);
    if (!c.opened)
        return Status::failure(QStringLiteral("Kan ej öppna %1: %2").arg(databasePath, c.error));
    QSqlQuery insert(c.db());
    if (!insert.prepare(insertSql()))
        return failed(QStringLiteral("prepare"), insert);
    return insertRow(insert, row);
}

} // namespace NormTable
