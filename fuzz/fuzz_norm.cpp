// Reads a ".norm" companion file's bytes as ReadNormFile does.

#include "FuzzSupport.h"

#include "app/TextFile.h"
#include "norms/StandardNorms.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList lines;
    if (!TextFile::splitBytes(fuzz::bytesOf(data, size), NormFileLimits(), QStringLiteral("fuzz.norm"), lines))
        return 0;
    ActiveNorm norm;
    int perKgReads = 0;
    ReadNormLines(lines, norm, [&] { ++perKgReads; });
    fuzz::require(perKgReads <= 1, "the per-kg file is read at most once");
    fuzz::require(norm.NormKind.size() <= 100 && norm.SelectedStandardNorm.name.size() <= 80,
                  "kind and name are cut");
    for (float v : norm.values)
        fuzz::require(std::isfinite(v), "norm values are finite");
    MealSettings settings;
    RefreshIdealEnergyFromNorm(norm, settings);
    CheckNormEnergy(norm);
    return 0;
}
