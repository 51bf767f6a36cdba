#include "food/RegisterImport.h"

#include "app/CsvReader.h"
#include "app/RegisterDatabase.h"
#include "app/SqlTable.h"
#include "food/RegisterLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <array>
#include <filesystem>

namespace {

struct Edition {
    const char *table;
    const char *folder;
    const char *dataFile;
    const char *date; // the edition's version date, kept in `Datum`
};

const Edition kEditions[] = {
    {"brasol100", "livsmedelsverket-2025-10-29", "livsmedelsdb_2025-10-29.csv", "2025-10-29"},
    {"brasol2005", "livsmedelsverket-2022-05-24", "livsmedelsdb_2022-05-24.csv", "2022-05-24"},
};

// Enhet, Portionsstorlek and up to four further units.
struct Portion {
    QString unit;
    QVariant grams;
    std::array<QString, 4> unitNames;
    std::array<QVariant, 4> unitGrams;
};

using Records = QList<QStringList>;

template <typename T> Result<T> fail(const QString &message)
{
    return Result<T>::failure(message);
}

// A number as the sources write it (decimal point); empty is unknown.
Result<QVariant> sourceNumber(const QString &text, const QString &where)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return Result<QVariant>::success(QVariant());
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok)
        return fail<QVariant>(QStringLiteral("%1: \"%2\" är inget tal").arg(where, text));
    return Result<QVariant>::success(QVariant(v));
}

// Columns: key;Enhet;Portionsstorlek;enhet1;port1;...;enhet4;port4;...
Result<QHash<QString, Portion>> readPortions(const QString &path)
{
    auto rows = Csv::readFile(path, u';');
    if (!rows)
        return fail<QHash<QString, Portion>>(rows.message);
    QHash<QString, Portion> portions;
    for (int r = 1; r < rows->size(); ++r) {
        const QStringList &f = (*rows)[r];
        const QString where = QStringLiteral("%1 rad %2").arg(QFileInfo(path).fileName()).arg(r + 1);
        if (f.size() < 11)
            return fail<QHash<QString, Portion>>(QStringLiteral("%1: för få fält").arg(where));
        Portion p;
        p.unit = f[1].trimmed();
        auto grams = sourceNumber(f[2], where);
        if (!grams)
            return fail<QHash<QString, Portion>>(grams.message);
        p.grams = *grams;
        for (int u = 0; u < 4; ++u) {
            p.unitNames[u] = f[3 + 2 * u].trimmed();
            auto g = sourceNumber(f[4 + 2 * u], where);
            if (!g)
                return fail<QHash<QString, Portion>>(g.message);
            p.unitGrams[u] = *g;
        }
        for (const QString &name : {p.unit, p.unitNames[0], p.unitNames[1], p.unitNames[2], p.unitNames[3]}) {
            if (name.size() > 10)
                return fail<QHash<QString, Portion>>(
                    QStringLiteral("%1: enheten \"%2\" är längre än 10 tecken").arg(where, name));
        }
        const QString key = f[0].trimmed();
        if (portions.contains(key))
            return fail<QHash<QString, Portion>>(QStringLiteral("%1: %2 finns redan").arg(where, key));
        portions.insert(key, p);
    }
    return Result<QHash<QString, Portion>>::success(portions);
}

struct PortionSources {
    QHash<QString, Portion> defaults;    // by Gruppering; "*" for the rest
    QHash<QString, Portion> overrides;   // by Livsmedelsnummer
    QHash<QString, Portion> corrections; // by Livsmedelsnummer: ours, over the overrides
    QHash<QString, QString> foodGroups;  // the group each food's own row was written for
};

// register position -> column of the data file, from column_mapping.csv
Result<QHash<int, int>> readMapping(const QString &mappingPath, const QStringList &header)
{
    auto rows = Csv::readFile(mappingPath, u',');
    if (!rows)
        return fail<QHash<int, int>>(rows.message);
    QHash<int, int> mapping;
    for (int r = 1; r < rows->size(); ++r) {
        const QStringList &f = (*rows)[r];
        if (f.size() < 5)
            return fail<QHash<int, int>>(
                QStringLiteral("%1 rad %2: för få fält").arg(mappingPath).arg(r + 1));
        const int position = f[0].toInt();
        const QString source = f[3];
        if (source.isEmpty())
            continue; // not in this edition: stays unknown
        if (position < 1 || position > RegisterLayout::FieldCount)
            return fail<QHash<int, int>>(
                QStringLiteral("%1 rad %2: fältnummer %3").arg(mappingPath).arg(r + 1).arg(f[0]));
        const QString factor = f[4].trimmed();
        if (!factor.isEmpty() && factor != u"1")
            return fail<QHash<int, int>>(
                QStringLiteral("%1 rad %2: omräkningsfaktor %3 stöds inte; värdena tas oförändrade")
                    .arg(mappingPath)
                    .arg(r + 1)
                    .arg(factor));
        const int column = int(header.indexOf(source));
        if (column < 0)
            return fail<QHash<int, int>>(QStringLiteral("%1 rad %2: kolumnen \"%3\" finns inte i datafilen")
                                             .arg(mappingPath)
                                             .arg(r + 1)
                                             .arg(source));
        mapping.insert(position, column);
    }
    for (int required : {1, 2}) {
        if (!mapping.contains(required))
            return fail<QHash<int, int>>(QStringLiteral("%1: fält %2 saknas").arg(mappingPath).arg(required));
    }
    return Result<QHash<int, int>>::success(mapping);
}

Status importEdition(const QSqlDatabase &db, const QString &sourceDir, const Edition &edition,
                     const PortionSources &portions, RegisterImportSummary &summary, bool national)
{
    const QDir folder(QDir(sourceDir).filePath(QString::fromLatin1(edition.folder)));
    const QString dataPath = folder.filePath(QString::fromLatin1(edition.dataFile));
    auto data = Csv::readFile(dataPath, u',');
    if (!data)
        return Status::failure(data.message);
    if (data->isEmpty())
        return Status::failure(QStringLiteral("%1 är tom").arg(dataPath));
    const QStringList header = data->first();
    auto mapping = readMapping(folder.filePath(QStringLiteral("column_mapping.csv")), header);
    if (!mapping)
        return Status::failure(mapping.message);

    const QString table = QString::fromLatin1(edition.table);
    const RegisterLayout::Kind kind = RegisterLayout::kindOf(table);
    QStringList names;
    QStringList marks;
    for (int p = 1; p <= RegisterLayout::FieldCount; ++p) {
        names.append(Sql::quoted(RegisterLayout::field(kind, p).name));
        marks.append(QStringLiteral("?"));
    }
    QSqlQuery insert(db);
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(Sql::quoted(table), names.join(u','), marks.join(u','));
    if (!insert.prepare(sql))
        return Status::failure(QStringLiteral("%1: %2").arg(table, insert.lastError().databaseText()));

    const int groupPosition = 5;
    for (int r = 1; r < data->size(); ++r) {
        const QStringList &f = (*data)[r];
        const QString where = QStringLiteral("%1 rad %2").arg(QFileInfo(dataPath).fileName()).arg(r + 1);
        if (f.size() != header.size())
            return Status::failure(QStringLiteral("%1: %2 fält, rubrikraden har %3")
                                       .arg(where)
                                       .arg(f.size())
                                       .arg(header.size()));
        std::array<QVariant, RegisterLayout::FieldCount + 1> v; // by position; all NULL
        for (auto it = mapping->cbegin(); it != mapping->cend(); ++it) {
            const int p = it.key();
            const QString &cell = f[it.value()];
            if (RegisterLayout::field(kind, p).type == RegisterLayout::FieldType::Text) {
                // Names are kept as published, trailing blanks included.
                if (!cell.isEmpty())
                    v[p] = cell;
            } else {
                auto number = sourceNumber(cell, where);
                if (!number)
                    return Status::failure(number.message);
                v[p] = *number;
            }
        }
        const QString code = v[1].toString();
        if (code.isEmpty() || code.size() > RegisterLayout::field(kind, 1).length)
            return Status::failure(QStringLiteral("%1: ogiltig kod \"%2\"").arg(where, code));
        v[8] = QString::fromLatin1(edition.date); // Datum

        const QString group = v[groupPosition].toString();
        const Portion *portion = nullptr;
        // The previous edition gets a food's own portion only where the code still names a
        // food of the same group.
        const bool sameFood = national || portions.foodGroups.value(code) == group;
        if (auto it = portions.corrections.find(code); it != portions.corrections.end() && sameFood) {
            portion = &it.value();
            if (national)
                ++summary.portionsFromCorrections;
        } else if (auto it = portions.overrides.find(code); it != portions.overrides.end() && sameFood) {
            portion = &it.value();
            if (national)
                ++summary.portionsFromOverrides;
        } else {
            auto d = portions.defaults.find(group);
            if (d == portions.defaults.end())
                d = portions.defaults.find(QStringLiteral("*"));
            if (d != portions.defaults.end())
                portion = &d.value();
            if (national)
                ++summary.portionsFromGroups;
        }
        if (portion) {
            v[3] = portion->grams;
            if (!portion->unit.isEmpty())
                v[4] = portion->unit;
            for (int u = 0; u < 4; ++u) {
                if (!portion->unitNames[u].isEmpty()) {
                    v[RegisterLayout::FirstUnitPosition + 2 * u] = portion->unitGrams[u];
                    v[RegisterLayout::FirstUnitPosition + 2 * u + 1] = portion->unitNames[u];
                }
            }
        }

        for (int p = 1; p <= RegisterLayout::FieldCount; ++p)
            insert.bindValue(p - 1, v[p]);
        if (!insert.exec())
            return Status::failure(QStringLiteral("%1: %2").arg(where, insert.lastError().databaseText()));
        if (national)
            ++summary.nationalFoods;
        else
            ++summary.previousFoods;
    }
    return Status::success();
}

Result<PortionSources> readPortionSources(const QString &sourceDir)
{
    const QDir dir(QDir(sourceDir).filePath(QStringLiteral("portions")));
    PortionSources s;
    auto defaults = readPortions(dir.filePath(QStringLiteral("portion_defaults.csv")));
    if (!defaults)
        return fail<PortionSources>(defaults.message);
    s.defaults = *defaults;
    auto overrides = readPortions(dir.filePath(QStringLiteral("portion_overrides.csv")));
    if (!overrides)
        return fail<PortionSources>(overrides.message);
    s.overrides = *overrides;
    const QString corrections = dir.filePath(QStringLiteral("portion_corrections.csv"));
    if (QFile::exists(corrections)) {
        auto c = readPortions(corrections);
        if (!c)
            return fail<PortionSources>(c.message);
        s.corrections = *c;
    }
    // The group each food's own row was written for (the last column, for review).
    for (const QString &name :
         {QStringLiteral("portion_overrides.csv"), QStringLiteral("portion_corrections.csv")}) {
        if (!QFile::exists(dir.filePath(name)))
            continue;
        auto rows = Csv::readFile(dir.filePath(name), u';');
        if (!rows)
            return fail<PortionSources>(rows.message);
        for (int r = 1; r < rows->size(); ++r) {
            const QStringList &f = (*rows)[r];
            s.foodGroups.insert(f[0].trimmed(), f.size() > 13 ? f[13] : QString());
        }
    }
    return Result<PortionSources>::success(s);
}

} // namespace

Result<RegisterImportSummary> ImportRegisters(const QString &sourceDir, const QString &outputFile)
{
    using R = Result<RegisterImportSummary>;
    auto portions = readPortionSources(sourceDir);
    if (!portions)
        return R::failure(portions.message);

    const QString temporary = outputFile + QStringLiteral(".tmp");
    QFile::remove(temporary);
    QDir().mkpath(QFileInfo(outputFile).absolutePath());
    RegisterImportSummary summary;
    const QString connectionName = QStringLiteral("velmora-import-%1").arg(quintptr(&summary), 0, 16);
    Status status;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(temporary);
        if (!db.open()) {
            status =
                Status::failure(QStringLiteral("Kan ej skapa %1: %2").arg(temporary, db.lastError().text()));
        } else {
            status = RegisterDatabase::registerSwedishCollation(db);
            if (status)
                status = Sql::exec(db, QStringLiteral("PRAGMA journal_mode = OFF"));
            if (status && !db.transaction())
                status = Status::failure(db.lastError().text());
            if (status)
                status = RegisterDatabase::createRegisterTables(db);
            for (const Edition &e : kEditions) {
                if (!status)
                    break;
                status = importEdition(db, sourceDir, e, *portions, summary, &e == &kEditions[0]);
            }
            if (status && !db.commit())
                status = Status::failure(db.lastError().text());
            if (!status)
                db.rollback();
            if (status)
                status = Sql::exec(db, QStringLiteral("VACUUM"));
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (!status) {
        QFile::remove(temporary);
        return R::failure(status.message);
    }
    std::error_code ec;
    std::filesystem::rename(temporary.toStdString(), outputFile.toStdString(), ec);
    if (ec) {
        QFile::remove(temporary);
        return R::failure(
            QStringLiteral("Kan ej byta ut %1: %2").arg(outputFile, QString::fromStdString(ec.message())));
    }
    return R::success(summary);
}
