#include "food/SearchList.h"

#include "food/SearchListModel.h"

namespace {

enum class Section { National, Manufacturers, Own, Dabas };

bool excluded(const FoodListEntry &e, Section section, const SearchOptions &options)
{
    if (e.reserved)
        return true;
    if (section == Section::Own || section == Section::Dabas)
        return false;
    if (e.discontinued && !options.showDiscontinued)
        return true;
    if (section == Section::National) {
        if (e.norwegian && !options.norwegian)
            return true;
        if (e.danish && !options.danish)
            return true;
        if (!e.norwegian && !e.danish && !options.swedish)
            return true;
    }
    return false;
}

// An empty text is found nowhere: a search for nothing lists nothing.
bool beginsWith(const QString &name, const QString &text)
{
    return !text.isEmpty() && name.startsWith(text);
}

bool holds(const QString &name, const QString &text)
{
    return !text.isEmpty() && name.contains(text);
}

struct Query {
    QString whole; // S
    bool twoWords = false;
    QString first;  // W1
    QString second; // W2
};

void scan(const FoodNameList &list, Section section, const Query &q, const SearchOptions &options,
          SearchListModel &model, int &hits)
{
    const auto &entries = list.entries;
    for (const FoodListEntry &e : entries) {
        if (!beginsWith(e.upperName, q.whole) || excluded(e, section, options))
            continue;
        model.append(e.name, e.twin);
        ++hits;
    }
    for (const FoodListEntry &e : entries) {
        if (beginsWith(e.upperName, q.whole))
            continue;
        const bool match = q.twoWords ? holds(e.upperName, q.first) && holds(e.upperName, q.second)
                                      : holds(e.upperName, q.whole);
        if (!match || excluded(e, section, options))
            continue;
        model.append(e.name, e.twin);
        ++hits;
    }
}

void header(SearchListModel &model, const SearchHeader &h)
{
    model.append(QString::fromUtf16(h.visible), QString::fromUtf16(h.twin));
}

} // namespace

int FillSearchList(const FoodNameLists &lists, const QString &text, const SearchOptions &options,
                   SearchListModel &model)
{
    Query q;
    q.whole = text.toUpper();
    const qsizetype blank = q.whole.indexOf(u' ');
    if (blank >= 0) {
        q.twoWords = true;
        q.first = q.whole.left(blank);
        q.second = q.whole.mid(blank + 1);
    }

    int hits = 0;
    // Room for every entry, so that a one-letter search over all lists never grows the lines.
    model.beginFill(lists.national.count() + lists.manufacturers.count() + lists.own.count() +
                    (options.dabas ? lists.dabas.count() : 0) + 5);
    scan(lists.national, Section::National, q, options, model, hits);
    header(model, HeaderManufacturers);
    scan(lists.manufacturers, Section::Manufacturers, q, options, model, hits);
    header(model, HeaderOwn);
    scan(lists.own, Section::Own, q, options, model, hits);
    if (options.dabas) {
        header(model, HeaderDabas);
        scan(lists.dabas, Section::Dabas, q, options, model, hits);
    } else {
        header(model, HeaderDabasInactive);
    }
    // The own and the general recipes follow here, each under its header.
    if (hits == 0)
        model.append(QString::fromUtf16(NoHitText) + q.whole, QString());
    model.endFill();
    return hits;
}

int FilterByFoodGroup(const FoodNameLists &lists, const QString &group, SearchListModel &model)
{
    if (group.isEmpty())
        return -1;
    const QString g = group.toUpper();
    const bool exact = g.size() <= 2;
    int hits = 0;
    model.beginFill();
    for (const FoodListEntry &e : lists.national.entries) {
        const QString upperGroup = e.group.toUpper();
        if (exact ? upperGroup == g : upperGroup.contains(g)) {
            model.append(e.name, e.twin);
            ++hits;
        }
    }
    model.endFill();
    return hits;
}

int FilterByManufacturer(const FoodNameLists &lists, const QString &tag, SearchListModel &model)
{
    if (tag.isEmpty())
        return -1;
    const QString t = tag.toUpper();
    int hits = 0;
    model.beginFill();
    for (const FoodListEntry &e : lists.manufacturers.entries) {
        if (e.code.toUpper().contains(t)) {
            model.append(e.name, e.twin);
            ++hits;
        }
    }
    model.endFill();
    return hits;
}

namespace {
struct Manufacturer {
    const char16_t *name;
    const char16_t *tag;
};
constexpr Manufacturer kManufacturers[] = {
    {u"Fabrikanter", u"Fabrikanter"},
    {u"Abbot", u"Abbo"},
    {u"ACO", u"ACO"},
    {u"Carlshamn", u"Carl"},
    {u"Coop", u"Coop"},
    {u"EkoGo", u"EKOG"},
    {u"Findus", u"Find"},
    {u"Fresenius", u"Fres"},
    {u"Fria bröd, glutenfritt", u"Fria"},
    {u"GoGreen", u"Gog"},
    {u"ICA", u"ica"},
    {u"M Johnsson", u"Mj"},
    {u"Nestlé", u"Nest"},
    {u"Novartis", u"NMN"},
    {u"Nutricia", u"Nutr"},
    {u"Nyform", u"nyf"},
    {u"Oatly", u"Oatl"},
    {u"Semper", u"Semp"},
    {u"Skånemejerier", u"Skån"},
    {u"Unilever", u"Unbe"},
    {u"Vitaflo", u"vflo"},
    {u"", u""},
    {u"", u""},
};
} // namespace

QStringList ManufacturerNames()
{
    QStringList names;
    for (const Manufacturer &m : kManufacturers)
        names << QString::fromUtf16(m.name);
    return names;
}

QStringList ManufacturerTags()
{
    QStringList tags;
    for (const Manufacturer &m : kManufacturers)
        tags << QString::fromUtf16(m.tag);
    return tags;
}
