#include "app/TextCodec.h"

#include <QHash>
#include <algorithm>

namespace {

// Unicode code points of the bytes 0x80 to 0x9F; 0 where Windows-1252 leaves the byte undefined.
constexpr char16_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

const QHash<char16_t, char> &reverseHighTable()
{
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int i = 0; i < 32; ++i)
            if (kHighControls[i] != 0)
                t.insert(kHighControls[i], char(0x80 + i));
        return t;
    }();
    return table;
}

// Readable stand-ins for characters outside Windows-1252 that occur in nutrition texts.
const QHash<char16_t, const char *> &asciiForms()
{
    static const QHash<char16_t, const char *> table = {
        {0x2265, ">="}, {0x2264, "<="}, {0x2260, "!="}, {0x2248, "~"},    {0x2212, "-"},  {0x2010, "-"},
        {0x2011, "-"},  {0x2012, "-"},  {0x2015, "-"},  {0x2032, "'"},    {0x2033, "\""}, {0x2192, "->"},
        {0x2190, "<-"}, {0x03B1, "a"},  {0x03B2, "b"},  {0x03B3, "g"},    {0x03B4, "d"},  {0x03C9, "w"},
        {0x03BA, "k"},  {0x0391, "A"},  {0x0392, "B"},  {0x2009, " "},    {0x202F, " "},  {0x2007, " "},
        {0x200B, ""},   {0x00AD, "-"},  {0x2074, "4"},  {0x2075, "5"},    {0x2076, "6"},  {0x2077, "7"},
        {0x2078, "8"},  {0x2079, "9"},  {0x2070, "0"},  {0x2081, "1"},    {0x2082, "2"},  {0x2083, "3"},
        {0x2084, "4"},  {0x2116, "No"}, {0x2103, "C"},  {0x2030, "o/oo"}, {0x0141, "L"},  {0x0142, "l"},
        {0x0110, "D"},  {0x0111, "d"},  {0x0131, "i"},  {0xFEFF, ""},
    };
    return table;
}

} // namespace

namespace TextCodec {

QString decode(const char *bytes, int length)
{
    QString out(length, Qt::Uninitialized);
    char16_t *to = reinterpret_cast<char16_t *>(out.data());
    for (int i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b >= 0x80 && b <= 0x9F && kHighControls[b - 0x80] != 0)
            to[i] = kHighControls[b - 0x80];
        else
            to[i] = char16_t(b);
    }
    return out;
}

QString decode(const QByteArray &bytes)
{
    return decode(bytes.constData(), int(bytes.size()));
}

QByteArray encodeChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return QByteArray(1, char(u));
    if (u >= 0x80 && u <= 0x9F && kHighControls[u - 0x80] == 0)
        return QByteArray(1, char(u)); // undefined byte kept as it came in
    if (auto it = reverseHighTable().find(u); it != reverseHighTable().end())
        return QByteArray(1, it.value());
    if (auto it = asciiForms().find(u); it != asciiForms().end())
        return QByteArray(it.value());
    // A letter with an accent that Windows-1252 lacks: keep the base letter (and any
    // part of the decomposition that the code page does hold).
    const QString decomposed = QString(c).normalized(QString::NormalizationForm_KD);
    if (decomposed.size() > 0 && decomposed != QString(c)) {
        QByteArray out;
        for (QChar d : decomposed) {
            if (d.category() == QChar::Mark_NonSpacing)
                continue;
            out += encodeChar(d);
        }
        if (!out.isEmpty())
            return out;
    }
    return QByteArray(1, '?');
}

QByteArray encode(const QString &text)
{
    return encode(text, -1);
}

QByteArray encode(const QString &text, qsizetype maxBytes)
{
    QByteArray out;
    out.reserve(maxBytes >= 0 ? std::min(text.size(), maxBytes) : text.size());
    for (qsizetype i = 0; i < text.size() && (maxBytes < 0 || out.size() < maxBytes); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        // Plain ASCII and Latin-1 letters, nearly every character, without a buffer of their own.
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out += char(u);
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < text.size()) {
            ++i; // a character outside the basic plane: no readable form
            out += '?';
            continue;
        }
        out += encodeChar(c);
    }
    return out;
}

int encodeInto(QStringView text, char *out, int maxBytes)
{
    int n = 0;
    for (qsizetype i = 0; i < text.size() && n < maxBytes; ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        // Plain ASCII and Latin-1 letters are nearly every character of a food row.
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out[n++] = char(u);
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < text.size()) {
            ++i;
            out[n++] = '?';
            continue;
        }
        const QByteArray bytes = encodeChar(c);
        for (qsizetype b = 0; b < bytes.size() && n < maxBytes; ++b)
            out[n++] = bytes[b];
    }
    return n;
}

} // namespace TextCodec
