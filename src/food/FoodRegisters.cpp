#include "food/FoodRegisters.h"

#include "app/NumberText.h"
#include "food/RegisterLayout.h"

namespace {

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

} // namespace

FoodRecord ReadFoodRecord(const SqlTable &t)
{
    FoodRecord r;
    r.code = t.text(RegisterLayout::CodePosition);
    r.name = t.text(QStringLiteral("Livsmedel"));
    r.unit = t.text(QStringLiteral("Enhet"));
    r.portionGrams = numberOf(t.value(QStringLiteral("Portionsstorlek")), 0);
    r.kgPrice = TextToNumber(t.text(QStringLiteral("kgpris")));
    for (int u = 0; u < 4; ++u) {
        r.unitNames[u] = t.text(QStringLiteral("enhet%1").arg(u + 1));
        r.unitGrams[u] = numberOf(t.value(QStringLiteral("port%1").arg(u + 1)), 0);
    }
    r.wastePercent = numberOf(t.value(RegisterLayout::WastePosition), 0);
    r.extraText = t.text(QStringLiteral("extrastring"));
    r.www = t.text(QStringLiteral("www"));
    r.group = t.text(QStringLiteral("Grupp1"));
    for (int n = Nutrient::First; n <= Nutrient::Last; ++n)
        r.nutrients[Nutrient::index(n)] = numberOf(t.value(n), -1);
    return r;
}

FoodRegisters::FoodRegisters()
{
    // Unopened tables until open(): every operation on them reports that they are not open.
    for (auto &t : tables)
        t = std::make_unique<SqlTable>();
}

FoodRegisters::~FoodRegisters()
{
    close();
}

QString FoodRegisters::tableName(FoodRegister reg)
{
    switch (reg) {
    case FoodRegister::Brasol100:
        return QStringLiteral("brasol100");
    case FoodRegister::Brasol2005:
        return QStringLiteral("brasol2005");
    case FoodRegister::Fabrikant:
        return QStringLiteral("fabrikant");
    case FoodRegister::Egna:
        return QStringLiteral("egna");
    case FoodRegister::Dabas:
        return QStringLiteral("dabas");
    }
    return {};
}

QList<FoodRegister> FoodRegisters::chainOf(LookupChain chain)
{
    using R = FoodRegister;
    switch (chain) {
    case LookupChain::AddFood:
    case LookupChain::ShowPer100g:
    case LookupChain::EditValues:
        return {R::Brasol100, R::Fabrikant, R::Egna, R::Dabas};
    case LookupChain::OpenComputation:
        return {R::Brasol100, R::Brasol2005, R::Fabrikant, R::Egna, R::Dabas};
    case LookupChain::OpenOldComputation:
        return {R::Brasol100, R::Fabrikant, R::Egna};
    case LookupChain::StandardWeights:
        return {R::Brasol100};
    case LookupChain::ProductInfo:
        return {R::Brasol100, R::Fabrikant};
    case LookupChain::RecipeIngredients:
        return {R::Brasol100, R::Fabrikant, R::Egna, R::Dabas, R::Brasol2005};
    }
    return {};
}

Status FoodRegisters::open(const QString &programDir)
{
    close();
    if (Status s = db.open(programDir); !s)
        return s;
    return openTablesOrClose();
}

Status FoodRegisters::openFiles(const QString &registerFile, const QString &ownFile)
{
    close();
    if (Status s = db.openFiles(registerFile, ownFile); !s)
        return s;
    return openTablesOrClose();
}

Status FoodRegisters::openTablesOrClose()
{
    for (int i = 0; i < int(tables.size()); ++i) {
        const QString name = tableName(FoodRegister(i));
        tables[i] = std::make_unique<SqlTable>(db.connection(), name);
        if (Status s = tables[i]->open(); !s) {
            close();
            return Status::failure(QStringLiteral("Kan ej öppna tabellen %1: %2").arg(name, s.message));
        }
    }
    opened = true;
    return Status::success();
}

void FoodRegisters::close()
{
    opened = false;
    // The tables' queries must be gone before the connection is.
    for (auto &t : tables)
        t = std::make_unique<SqlTable>();
    db.close();
}

std::optional<FoundFood> FoodRegisters::findIn(FoodRegister reg, const QString &code)
{
    SqlTable &t = table(reg);
    if (!t.activeIndex().isEmpty()) {
        if (Status s = t.setIndex(QString()); !s) {
            error = s.message;
            return std::nullopt;
        }
    }
    const Result<bool> found = t.findKey(code);
    if (!found) {
        error = found.message;
        return std::nullopt;
    }
    if (!*found)
        return std::nullopt;
    return FoundFood{reg, ReadFoodRecord(t)};
}

std::optional<FoundFood> FoodRegisters::FindFood(const QString &code, LookupChain chain)
{
    error.clear();
    if (!opened)
        return std::nullopt;
    for (FoodRegister reg : chainOf(chain)) {
        if (auto hit = findIn(reg, code))
            return hit;
    }
    return std::nullopt;
}

QList<FoundFood> FoodRegisters::FindFoodInEach(const QString &code)
{
    error.clear();
    QList<FoundFood> hits;
    if (!opened)
        return hits;
    for (FoodRegister reg :
         {FoodRegister::Brasol100, FoodRegister::Dabas, FoodRegister::Egna, FoodRegister::Brasol2005}) {
        if (auto hit = findIn(reg, code))
            hits.append(*hit);
    }
    return hits;
}

QString FoodRegisters::CodeForArticleNumber(const QString &articleNumber)
{
    error.clear();
    if (!opened || articleNumber.isEmpty())
        return {};
    SqlTable &t = table(FoodRegister::Brasol100);
    QString code;
    if (Status s = t.setIndex(QStringLiteral("grossartnr")); !s) {
        error = s.message;
        return {};
    }
    const Result<bool> found = t.findKey(articleNumber);
    if (!found)
        error = found.message;
    else if (*found)
        code = t.text(RegisterLayout::CodePosition);
    // Every other use of the table expects the primary index.
    if (Status s = t.setIndex(QString()); !s)
        error = s.message;
    return code;
}
