#include "app/NumberText.h"

#include <charconv>
#include <string>
#include <cmath>
#include <limits>

namespace {

qsizetype leadingBlanks(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    return i;
}

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Optional sign, digits with an optional fraction, optional exponent; nothing else.
bool isDecimalNumber(const char *s, qsizetype n)
{
    qsizetype i = 0;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isAsciiDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && isAsciiDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-'))
            ++i;
        qsizetype expDigits = 0;
        while (i < n && isAsciiDigit(s[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == n;
}

} // namespace

float TextToNumber(QStringView text)
{
    // Every amount of every row of a file comes through here: an amount fits the small-string
    // buffer, so reading one allocates nothing. Anything that is not ASCII is no number.
    std::string buffer;
    const QStringView s = text.mid(leadingBlanks(text));
    buffer.resize(std::size_t(s.size()));
    bool commaSeen = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t u = s.at(i).unicode();
        if (u >= 0x80)
            return 0.0f;
        char c = char(u);
        if (c == ',' && !commaSeen) {
            commaSeen = true;
            c = '.';
        }
        buffer[std::size_t(i)] = c;
    }
    if (!isDecimalNumber(buffer.data(), qsizetype(buffer.size())))
        return 0.0f;
    // from_chars takes no leading "+" and never looks at the user's locale.
    const char *first = buffer.data();
    const char *last = first + buffer.size();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    // Beyond the range of a float the number would become infinity and poison every sum it
    // enters; such text is no number the program can use.
    if (error != std::errc() || end != last || !std::isfinite(value) ||
        std::fabs(value) > double(std::numeric_limits<float>::max()))
        return 0.0f;
    return static_cast<float>(value);
}

QString PointToComma(const QString &text)
{
    QString s = text.mid(leadingBlanks(text));
    const qsizetype point = s.indexOf(u'.');
    if (point >= 0)
        s[point] = u',';
    return s;
}

QString FixedNumber(double value, int width, int decimals)
{
    return QString::number(value, 'f', decimals).rightJustified(width, u' ');
}
