#include "food/FoodIndex.h"

#include "app/NumberText.h"
#include "food/RegisterLayout.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

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

Status FoodIndex::load(const QSqlDatabase &db, const QString &table, bool withArticleNumbers)
{
    clear();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // Storage order, so that of two rows with one article number the same one wins as in the
    // table's own article index (which breaks ties by rowid).
    const QString sql = QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(RegisterLayout::quoted(table));
    if (!q.exec(sql))
        return Status::failure(
            QStringLiteral("Kan ej läsa tabellen %1: %2").arg(table, q.lastError().databaseText()));
    if (q.record().count() < RegisterLayout::FieldCount)
        return Status::failure(QStringLiteral("Tabellen %1 har inte registrets %2 fält")
                                   .arg(table)
                                   .arg(RegisterLayout::FieldCount));
    const auto field = [&q](int position) { return q.value(position - 1); };
    while (q.next()) {
        FoodRecord food = FoodRecordFromFields(field);
        if (withArticleNumbers) {
            const QString article = textOf(q.value(Pos::ArticleNumber - 1));
            if (!article.isEmpty() && !articles.contains(article))
                articles.insert(article, food.code);
        }
        const QString code = food.code;
        foods.insert(code, std::move(food));
    }
    if (q.lastError().isValid())
        return Status::failure(
            QStringLiteral("Kan ej läsa tabellen %1: %2").arg(table, q.lastError().databaseText()));
    loaded = true;
    return Status::success();
}

void FoodIndex::clear()
{
    foods.clear();
    articles.clear();
    loaded = false;
}

const FoodRecord *FoodIndex::find(const QString &code) const
{
    const auto it = foods.constFind(code);
    return it == foods.constEnd() ? nullptr : &it.value();
}

QString FoodIndex::codeForArticleNumber(const QString &articleNumber) const
{
    return articles.value(articleNumber);
}
