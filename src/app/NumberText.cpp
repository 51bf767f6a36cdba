#include "app/NumberText.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace {

qsizetype leadingBlanks(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    return i;
}

// Optional sign, digits with an optional fraction, optional exponent; nothing else.
bool isDecimalNumber(const QString &s)
{
    qsizetype i = 0;
    const qsizetype n = s.size();
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == u'.') {
        ++i;
        while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        if (i < n && (s[i] == u'+' || s[i] == u'-'))
            ++i;
        qsizetype expDigits = 0;
        while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == n;
}

} // namespace

float TextToNumber(const QString &text)
{
    QString s = text.mid(leadingBlanks(text));
    const qsizetype comma = s.indexOf(u',');
    if (comma >= 0)
        s[comma] = u'.';
    if (!isDecimalNumber(s))
        return 0.0f;
    bool ok = false;
    const double value = QLocale::c().toDouble(s, &ok);
    // Beyond the range of a float the number would become infinity and poison every sum it
    // enters; such text is no number the program can use.
    if (!ok || !std::isfinite(value) || std::fabs(value) > double(std::numeric_limits<float>::max()))
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
