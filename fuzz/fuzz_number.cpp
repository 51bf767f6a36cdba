// TextToNumber on any text: the result is always a finite float.

#include "FuzzSupport.h"

#include "app/NumberText.h"
#include "app/TextCodec.h"

#include <cmath>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // As a cell typed in the program (any text) and as a line of a file (Windows-1252).
    const QByteArray bytes = fuzz::bytesOf(data, size);
    for (const QString &text : {QString::fromUtf8(bytes), TextCodec::decode(bytes)}) {
        const float v = TextToNumber(text);
        fuzz::require(std::isfinite(v) && std::fabs(v) <= std::numeric_limits<float>::max(),
                      "TextToNumber gives a finite float");
        const float viaComma = TextToNumber(PointToComma(text));
        fuzz::require(std::isfinite(viaComma), "a number written for a spreadsheet reads back finite");
    }
    return 0;
}
