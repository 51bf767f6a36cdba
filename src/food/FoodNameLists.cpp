#include "food/FoodNameLists.h"

#include "food/SearchListModel.h"
#include "food/SwedishOrder.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <numeric>

namespace {

constexpr int NameLength = 80; // the name a food row can hold

QString portionText(const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', 7);
    default:
        return value.toString();
    }
}

} // namespace

void FinishEntry(FoodListEntry &entry)
{
    if (entry.name.size() > NameLength)
        entry.name.truncate(NameLength);
    entry.upperName = entry.name.toUpper();
    entry.twin = MakeTwinLine(entry.name, entry.code, entry.portion, entry.unit);
    entry.reserved = entry.upperName == u"RESERV";
    entry.discontinued = entry.upperName.contains(u"UTGÅ");
    entry.norwegian = entry.upperName.contains(u"/NO");
    entry.danish = entry.upperName.contains(u"/DK");
}

FoodListEntry MakeFoodListEntry(const QString &code, const QString &name, const QString &portion,
                                const QString &unit, const QString &group)
{
    FoodListEntry e;
    e.code = code;
    e.name = name;
    e.portion = portion;
    e.unit = unit;
    e.group = group;
    FinishEntry(e);
    return e;
}

void SortByName(FoodNameList &list)
{
    std::vector<QString> keys;
    keys.reserve(list.entries.size());
    for (const FoodListEntry &e : list.entries)
        keys.push_back(SwedishSortKey(e.name));
    std::vector<int> order(list.entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int primary = QString::compare(keys[a], keys[b], Qt::CaseSensitive);
        if (primary != 0)
            return primary < 0;
        return QString::compare(list.entries[a].name, list.entries[b].name, Qt::CaseSensitive) < 0;
    });
    std::vector<FoodListEntry> sorted;
    sorted.reserve(order.size());
    for (int i : order)
        sorted.push_back(std::move(list.entries[i]));
    list.entries = std::move(sorted);
}

NameListLoad LoadFoodNameList(QSqlDatabase &db, const QString &table, bool keepGroup,
                              const std::function<void(int)> &progress)
{
    NameListLoad load;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // Table names come from the program itself, never from the user.
    const QString sql =
        QStringLiteral("SELECT Kod, Livsmedel, Portionsstorlek, Enhet, Grupp1 FROM \"%1\"").arg(table);
    if (!query.prepare(sql)) {
        load.status = Status::failure(
            QStringLiteral("Kan ej läsa registret %1: %2").arg(table, query.lastError().text()));
        return load;
    }
    if (!query.exec()) {
        load.status = Status::failure(
            QStringLiteral("Kan ej läsa registret %1: %2").arg(table, query.lastError().text()));
        return load;
    }
    while (query.next()) {
        FoodListEntry e;
        e.code = query.value(0).toString();
        e.name = query.value(1).toString();
        e.portion = portionText(query.value(2));
        e.unit = query.value(3).toString();
        if (keepGroup)
            e.group = query.value(4).toString();
        FinishEntry(e);
        load.list.entries.push_back(std::move(e));
        if (progress)
            progress(load.list.count());
    }
    // A walk that ends early keeps what was read, and says so.
    if (query.lastError().isValid())
        load.status = Status::failure(
            QStringLiteral("Kan ej läsa hela registret %1: %2").arg(table, query.lastError().text()));
    SortByName(load.list);
    return load;
}

QStringList GroupsOf(const FoodNameList &national)
{
    QStringList groups = DistinctGroups(national);
    if (!groups.contains(QStringLiteral("Bröd"))) {
        groups.insert(std::lower_bound(groups.begin(), groups.end(), QStringLiteral("Bröd"), SwedishLess),
                      QStringLiteral("Bröd"));
    }
    return groups;
}

QStringList DistinctGroups(const FoodNameList &list)
{
    QStringList groups;
    for (const FoodListEntry &e : list.entries) {
        if (!e.group.isEmpty())
            groups.append(e.group);
    }
    std::sort(groups.begin(), groups.end(), SwedishLess);
    groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
    return groups;
}

NameListsLoad LoadStartupNameLists(QSqlDatabase &db)
{
    NameListsLoad load;
    QStringList problems;
    auto national = LoadFoodNameList(db, QStringLiteral("brasol100"), true);
    if (!national.status)
        problems << national.status.message;
    load.lists.national = std::move(national.list);
    load.lists.groups = GroupsOf(load.lists.national);

    auto manufacturers = LoadFoodNameList(db, QStringLiteral("fabrikant"), false);
    if (!manufacturers.status)
        problems << manufacturers.status.message;
    load.lists.manufacturers = std::move(manufacturers.list);

    auto own = LoadFoodNameList(db, QStringLiteral("egna"), false);
    if (!own.status)
        problems << own.status.message;
    load.lists.own = std::move(own.list);

    if (!problems.isEmpty())
        load.status = Status::failure(problems.join(u'\n'));
    return load;
}
