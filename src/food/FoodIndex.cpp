#include "food/FoodIndex.h"

#include "app/NumberText.h"
#include "food/RegisterLayout.h"

#include <QSqlDriver>
#include <memory>
#include <sqlite3.h>

namespace {

// Positions of the fields a FoodRecord takes; every register kind has them at the same place.
namespace Pos {
constexpr int Name = 2;
constexpr int Portion = 3;
constexpr int Unit = 4;
constexpr int Group = 5;
constexpr int KgPrice = 7;
constexpr int ArticleNumber = 10;
constexpr int FirstUnit = RegisterLayout::FirstUnitPosition; // port1, enhet1, ..., port4, enhet4
constexpr int ExtraText = 95;
constexpr int Www = 96;
} // namespace Pos

// A number field: NULL or empty text is unknown; a stored number is taken as it is, text goes
// through TextToNumber.
float numberOf(const QVariant &v, float unknown)
{
    if (v.isNull())
        return unknown;
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
        return v.toFloat();
    default:
        break;
    }
    const QString text = v.toString();
    if (text.trimmed().isEmpty())
        return unknown;
    return TextToNumber(text);
}

QString textOf(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString();
}

} // namespace

FoodRecord FoodRecordFromFields(const std::function<QVariant(int)> &field)
{
    FoodRecord r;
    r.code = textOf(field(RegisterLayout::CodePosition));
    r.name = textOf(field(Pos::Name));
    r.unit = textOf(field(Pos::Unit));
    r.portionGrams = numberOf(field(Pos::Portion), 0);
    r.kgPrice = TextToNumber(textOf(field(Pos::KgPrice)));
    for (int u = 0; u < 4; ++u) {
        r.unitGrams[u] = numberOf(field(Pos::FirstUnit + 2 * u), 0);
        r.unitNames[u] = textOf(field(Pos::FirstUnit + 2 * u + 1));
    }
    r.wastePercent = numberOf(field(RegisterLayout::WastePosition), 0);
    r.extraText = textOf(field(Pos::ExtraText));
    r.www = textOf(field(Pos::Www));
    r.group = textOf(field(Pos::Group));
    for (int n = Nutrient::First; n <= Nutrient::Last; ++n)
        r.nutrients[Nutrient::index(n)] = numberOf(field(n), -1);
    return r;
}

namespace {

sqlite3 *sqliteHandle(const QSqlDatabase &db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

// A column of the current row as the Qt driver would give it, without its cache of whole rows.
QVariant columnValue(sqlite3_stmt *statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement, column));
    case SQLITE_NULL:
        return QVariant();
    default: {
        const auto *text = static_cast<const char16_t *>(sqlite3_column_text16(statement, column));
        const int bytes = sqlite3_column_bytes16(statement, column);
        return QVariant(QString::fromUtf16(text, bytes / 2));
    }
    }
}

struct StatementDeleter {
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};

} // namespace

Status FoodIndex::load(const QSqlDatabase &db, const QString &table, bool withArticleNumbers)
{
    clear();
    // Straight through SQLite: the Qt driver keeps a copy of every row in variants first, which
    // made reading the national table the largest cost of opening a file.
    sqlite3 *handle = sqliteHandle(db);
    if (!handle)
        return Status::failure(QStringLiteral("Kan ej läsa tabellen %1: databasen är inte öppen").arg(table));
    const auto failed = [&](const char *message) {
        return Status::failure(QStringLiteral("Kan ej läsa tabellen %1: %2").arg(table, QString::fromUtf8(message)));
    };
    // Storage order, so that of two rows with one article number the same one wins as in the
    // table's own article index (which breaks ties by rowid).
    const QByteArray sql =
        QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(RegisterLayout::quoted(table)).toUtf8();
    sqlite3_stmt *raw = nullptr;
    if (sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &raw, nullptr) != SQLITE_OK)
        return failed(sqlite3_errmsg(handle));
    const std::unique_ptr<sqlite3_stmt, StatementDeleter> statement(raw);
    if (sqlite3_column_count(raw) < RegisterLayout::FieldCount)
        return Status::failure(QStringLiteral("Tabellen %1 har inte registrets %2 fält")
                                   .arg(table)
                                   .arg(RegisterLayout::FieldCount));
    const auto field = [raw](int position) { return columnValue(raw, position - 1); };
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        FoodRecord food = FoodRecordFromFields(field);
        if (withArticleNumbers) {
            const QString article = textOf(field(Pos::ArticleNumber));
            if (!article.isEmpty() && !articles.contains(article))
                articles.insert(article, food.code);
        }
        byCode.insert(food.code, qsizetype(foods.size())); // a later row of the same code wins
        foods.push_back(std::move(food));
    }
    if (rc != SQLITE_DONE)
        return failed(sqlite3_errmsg(handle));
    loaded = true;
    return Status::success();
}

void FoodIndex::clear()
{
    foods.clear();
    byCode.clear();
    articles.clear();
    loaded = false;
}

const FoodRecord *FoodIndex::find(const QString &code) const
{
    const auto it = byCode.constFind(code);
    return it == byCode.constEnd() ? nullptr : &foods[std::size_t(it.value())];
}

QString FoodIndex::codeForArticleNumber(const QString &articleNumber) const
{
    return articles.value(articleNumber);
}
