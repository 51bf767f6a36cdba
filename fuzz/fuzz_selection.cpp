// Reads a nutrient selection file's bytes as "Hämta urval" does.

#include "FuzzSupport.h"

#include "app/TextFile.h"
#include "norms/NutrientSelection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList lines;
    const bool read = TextFile::splitBytes(fuzz::bytesOf(data, size), SelectionFileLimits(),
                                           QStringLiteral("fuzz.nvval.txt"), lines)
                          .ok;
    NutrientSelection selection;
    TakeSelectionLines(selection, lines, read);
    fuzz::require(!selection.Selected[18], "ash is never selected");
    fuzz::require(selection.SelectedCount() == selection.numbers().size(), "the count is the numbers'");
    if (!read)
        fuzz::require(selection.isSelected(15) && selection.isSelected(48), "an unread file gives the default");
    return 0;
}
