#include "food/FoodRegisters.h"

#include "food/RegisterLayout.h"

FoodRecord ReadFoodRecord(const SqlTable &t)
{
    return FoodRecordFromFields([&t](int position) { return t.value(position); });
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
    for (FoodIndex &index : indexes)
        index.clear();
    // The tables' queries must be gone before the connection is.
    for (auto &t : tables)
        t = std::make_unique<SqlTable>();
    db.close();
}

const FoodIndex *FoodRegisters::indexOf(FoodRegister reg)
{
    FoodIndex &index = indexes[int(reg)];
    const SqlTable &t = table(reg);
    if (index.isLoaded() && index.loadedAtChange == t.changeCount())
        return &index;
    if (Status s = index.load(db.connection(), t.tableName(), reg == FoodRegister::Brasol100); !s) {
        error = s.message;
        return nullptr;
    }
    index.loadedAtChange = t.changeCount();
    return &index;
}

void FoodRegisters::registerChanged(FoodRegister reg)
{
    indexes[int(reg)].clear();
}

const FoodRecord *FoodRegisters::find(FoodRegister reg, const QString &code)
{
    if (!opened)
        return nullptr;
    const FoodIndex *index = indexOf(reg);
    return index ? index->find(code) : nullptr;
}

std::optional<FoundFood> FoodRegisters::FindFood(const QString &code, LookupChain chain)
{
    error.clear();
    if (!opened)
        return std::nullopt;
    for (FoodRegister reg : chainOf(chain)) {
        if (const FoodRecord *food = find(reg, code))
            return FoundFood{reg, *food};
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
        if (const FoodRecord *food = find(reg, code))
            hits.append(FoundFood{reg, *food});
    }
    return hits;
}

QString FoodRegisters::CodeForArticleNumber(const QString &articleNumber)
{
    error.clear();
    if (!opened || articleNumber.isEmpty())
        return {};
    const FoodIndex *index = indexOf(FoodRegister::Brasol100);
    return index ? index->codeForArticleNumber(articleNumber) : QString();
}
