#include "food/FoodInfo.h"

#include <QUrlQuery>

namespace {

float known(float v)
{
    return v > 0 ? v : 0;
}

} // namespace

FoodEnergyShareArray ComputeFoodEnergyShares(float protein, float fat, float carbohydrate, float alcohol,
                                             int alcoholFactor)
{
    protein = known(protein);
    fat = known(fat);
    carbohydrate = known(carbohydrate);
    alcohol = known(alcohol);
    const float e =
        1700.0f * protein + 3700.0f * fat + 1700.0f * carbohydrate + float(alcoholFactor) * alcohol;
    if (!(e > 5.0f))
        return {0, 0, 0, 0};
    return {170000.0f * protein / e, 370000.0f * fat / e, 170000.0f * carbohydrate / e,
            100.0f * alcohol * float(alcoholFactor) / e};
}

FoodEnergyShareArray FoodEnergySharesOf(const NutrientVector &v, int alcoholFactor)
{
    return ComputeFoodEnergyShares(v[Nutrient::index(Nutrient::Protein)], v[Nutrient::index(Nutrient::Fat)],
                                   v[Nutrient::index(Nutrient::Carbohydrate)],
                                   v[Nutrient::index(Nutrient::Alcohol)], alcoholFactor);
}

QList<EnergySlice> EnergyPieSlices(const FoodEnergyShareArray &s)
{
    if (s[0] + s[1] + s[2] + s[3] <= 10.0f)
        return {};
    QList<EnergySlice> slices{{QStringLiteral("Prot"), s[0], Qt::green},
                              {QStringLiteral("Fett"), s[1], Qt::red},
                              {QStringLiteral("Kolh"), s[2], Qt::blue}};
    if (s[3] > 1.0f)
        slices.append({QStringLiteral("Alko"), s[3], Qt::yellow});
    return slices;
}

QStringList FoodPer100gLines(const FoodRecord &food, const NutrientCatalogue &catalogue,
                             const NutrientSelection &selection, bool showAll)
{
    QStringList lines{food.name, QString()};
    for (int n = Nutrient::First; n <= Nutrient::Last; ++n) {
        if (!showAll && !selection.isSelected(n))
            continue;
        const QString label = (catalogue.DisplayName[n] + QString(10, u' ')).left(10);
        const float value = food.nutrients[Nutrient::index(n)];
        lines.append(label + QString::number(value < 0 ? 0.0 : double(value), 'f', catalogue.Decimals[n]));
    }
    return lines;
}

QUrl ProductInfoUrl(const QString &code, FoodLookup &foods)
{
    if (code.startsWith(QStringLiteral("dab"))) {
        QString gtin = code.mid(3);
        if (gtin.size() < 14)
            gtin.prepend(QString(14 - gtin.size(), u'0'));
        QUrl url(ProductInfoHosts::dabas() + QStringLiteral("/PublicDb/PublicArticle.aspx"));
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("typ"), QStringLiteral("PB"));
        query.addQueryItem(QStringLiteral("GTIN"), gtin);
        url.setQuery(query);
        return url;
    }
    const auto found = foods.FindFood(code, LookupChain::ProductInfo);
    if (!found)
        return {};
    if (found->source == FoodRegister::Brasol100) {
        QUrl url(ProductInfoHosts::foodAgency() + QStringLiteral("/Naringssok/Naringsamnen.aspx"));
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("livsmedelsId"), code);
        url.setQuery(query);
        return url;
    }
    const QString www = found->record.www.trimmed();
    if (found->source == FoodRegister::Fabrikant && !www.isEmpty())
        return QUrl::fromUserInput(www);
    return {};
}
