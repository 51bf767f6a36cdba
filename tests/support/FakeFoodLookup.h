#pragma once

#include "food/FoodLookup.h"
#include "food/FoodRegisters.h"

#include <QHash>
#include <QList>

// An in-memory stand-in for the food registers: foods are put into named registers and found
// through the same chains as the real ones.
class FakeFoodLookup : public FoodLookup {
public:
    void add(FoodRegister reg, const FoodRecord &record) { registers[int(reg)].insert(record.code, record); }
    void addArticleNumber(const QString &articleNumber, const QString &code)
    {
        articles.insert(articleNumber, code);
    }

    std::optional<FoundFood> FindFood(const QString &code, LookupChain chain) override
    {
        for (FoodRegister reg : FoodRegisters::chainOf(chain)) { // the real chains
            const auto &table = registers[int(reg)];
            if (auto it = table.find(code); it != table.end())
                return FoundFood{reg, it.value()};
        }
        return std::nullopt;
    }
    QString CodeForArticleNumber(const QString &articleNumber) override
    {
        return articles.value(articleNumber);
    }

private:
    QHash<QString, FoodRecord> registers[5];
    QHash<QString, QString> articles;
};

// A food with the given values per 100 g of protein, fat and carbohydrate and energy from them;
// every other nutrient is unknown (-1).
inline FoodRecord makeFood(const QString &code, const QString &name, float protein, float fat,
                           float carbohydrate, float portionGrams = 100,
                           const QString &unit = QStringLiteral("port"))
{
    FoodRecord r;
    r.code = code;
    r.name = name;
    r.unit = unit;
    r.portionGrams = portionGrams;
    r.nutrients.fill(-1);
    r.nutrients[Nutrient::index(Nutrient::Protein)] = protein;
    r.nutrients[Nutrient::index(Nutrient::Fat)] = fat;
    r.nutrients[Nutrient::index(Nutrient::Carbohydrate)] = carbohydrate;
    const float kj = 17 * protein + 37 * fat + 17 * carbohydrate;
    r.nutrients[Nutrient::index(Nutrient::EnergyKJ)] = kj;
    r.nutrients[Nutrient::index(Nutrient::EnergyKcal)] = kj / 4.184f;
    return r;
}
