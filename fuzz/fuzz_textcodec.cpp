// The Windows-1252 codec and the line splitting every text file goes through.
//
// The input is taken three ways: as file bytes (decode, then encode must give them back; the
// streaming line splitter must agree with splitLines, limits or not), as UTF-16 text to encode
// (a limited encode is the start of the full one; a fixed text keeps what fits).

#include "FuzzSupport.h"

#include "app/TextCodec.h"
#include "app/TextFile.h"
#include "calc/FixedText.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString decoded = TextCodec::decode(bytes);
    fuzz::require(decoded.size() == bytes.size(), "one character per byte");
    fuzz::require(TextCodec::encode(decoded) == bytes, "every byte survives decode and encode");

    const QStringList expected = TextFile::splitLines(decoded);
    QStringList lines;
    fuzz::require(TextFile::splitBytes(bytes, {}, QStringLiteral("f"), lines).ok && lines == expected,
                  "the streaming splitter splits as splitLines");
    // Small limits from the input's first byte: a refusal keeps a start of the lines.
    const int small = size > 0 ? data[0] % 16 : 0;
    const Status limited = TextFile::splitBytes(bytes, {qint64(small * 8), small, small}, QStringLiteral("f"), lines);
    fuzz::require(lines.size() <= expected.size(), "no more lines than there are");
    for (qsizetype i = 0; i < lines.size(); ++i)
        fuzz::require(lines[i] == expected[i], "the lines before a refusal are the file's");
    if (limited.ok)
        fuzz::require(lines == expected, "an accepted file gives all its lines");
    else
        fuzz::require(!limited.message.isEmpty(), "a refusal says why");

    QString text(qsizetype(size / 2), Qt::Uninitialized);
    if (!text.isEmpty())
        std::memcpy(text.data(), data, size_t(text.size()) * 2);
    const QByteArray encoded = TextCodec::encode(text);
    for (qsizetype limit : {0, 1, 5, 16, 80, 81}) {
        const QByteArray start = TextCodec::encode(text, limit);
        fuzz::require(encoded.startsWith(start) && start.size() >= std::min(limit, encoded.size()),
                      "a limited encode is the start of the full one");
    }
    FixedText<81> fixed;
    fixed.assign(text);
    fuzz::require(fixed.toString() == TextCodec::decode(encoded.left(81)), "a fixed text keeps what fits");
    fuzz::require(TextCodec::encode(TextCodec::decode(encoded)) == encoded, "encoded text is stable");
    return 0;
}
