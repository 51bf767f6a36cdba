// Reads nvnamn.txt's bytes as the start-up does.

#include "FuzzSupport.h"

#include "app/TextFile.h"
#include "food/NutrientCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList lines;
    if (!TextFile::splitBytes(fuzz::bytesOf(data, size), {NutrientCatalogueMaxBytes, NutrientCatalogueMaxLines, 0},
                              QStringLiteral("nvnamn.txt"), lines))
        return 0;
    const auto catalogue = ReadNutrientCatalogue(lines, QStringLiteral("nvnamn.txt"));
    if (!catalogue) {
        fuzz::require(catalogue.message.startsWith(QStringLiteral("Fel i namnfilen nvnamn.txt")),
                      "a fault names the file");
        return 0;
    }
    fuzz::require(MissingNutrientNumbers(*catalogue).isEmpty(), "a catalogue read names all 72");
    for (int n = Nutrient::First; n <= Nutrient::Last; ++n) {
        fuzz::require(catalogue->ShortName[n].size() <= 12 && catalogue->DisplayName[n].size() <= 12 &&
                          catalogue->UnitName[n].size() <= 2,
                      "names and units are cut");
        fuzz::require(catalogue->Decimals[n] >= 0 && catalogue->Decimals[n] <= 9, "decimals 0 to 9");
    }
    return 0;
}
