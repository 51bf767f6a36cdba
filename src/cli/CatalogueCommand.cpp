#include "cli/Commands.h"
#include "food/NutrientCatalogue.h"

#include <QDir>

int CatalogueCommand(const QStringList &, QTextStream &out, QTextStream &err)
{
    const auto catalogue = LoadNutrientCatalogue(QDir::currentPath());
    if (!catalogue) {
        err << catalogue.message << "\n";
        return 1;
    }
    for (int n = Nutrient::First; n <= Nutrient::Last; ++n)
        out << n << '\t' << catalogue->ShortName[n] << '\t' << catalogue->DisplayName[n] << '\t'
            << catalogue->UnitName[n] << '\t' << catalogue->Decimals[n] << '\n';
    return 0;
}
