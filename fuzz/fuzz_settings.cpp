// Reads velmora.para's bytes and takes them into the settings, as the settings window does.

#include "FuzzSupport.h"

#include "app/SettingsFile.h"
#include "app/TextFile.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList lines;
    if (!TextFile::splitBytes(fuzz::bytesOf(data, size), SettingsFile::limits(), SettingsFile::fileName(), lines))
        return 0;
    const QStringList cells = SettingsFile::cellsOf(lines);
    fuzz::require(cells.size() == SettingsFile::LineCount, "always 15 cells");
    MealSettings settings;
    SettingsFile::apply(settings, cells);
    for (float v : settings.MealShares)
        fuzz::require(std::isfinite(v), "meal shares are finite");
    for (float v : settings.IdealEnergyDistribution)
        fuzz::require(std::isfinite(v), "the ideal distribution is finite");
    // The cells the window would show take the same settings again.
    MealSettings again;
    SettingsFile::apply(again, SettingsFile::cellsOf(settings));
    fuzz::require(again.MealShares == settings.MealShares, "meal shares survive their own cells");
    return 0;
}
