#include "calc/TimeSlot.h"

#include <QRegularExpression>

int TimeToSlot(const QString &text)
{
    constexpr int NoTime = 96;
    QString s = text;
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == u' ')
        ++i;
    s = s.mid(i);
    if (const qsizetype comma = s.indexOf(u','); comma >= 0)
        s[comma] = u'.';
    else if (const qsizetype colon = s.indexOf(u':'); colon >= 0)
        s[colon] = u'.';

    // Digits with at most one point; a sign, an exponent or other text is no clock time.
    static const QRegularExpression clock(QStringLiteral("^(\\d*)(?:\\.(\\d*))?$"));
    const QRegularExpressionMatch match = clock.match(s);
    if (!match.hasMatch() || s == QStringLiteral(".") || s.isEmpty())
        return NoTime;
    const QString whole = match.captured(1);
    QString decimals = match.captured(2);
    const double hoursValue = whole.isEmpty() ? 0.0 : whole.toDouble();
    int hours = hoursValue > 23 ? 0 : int(hoursValue);
    double minutes = 0;
    if (!decimals.isEmpty()) {
        // "45" -> 45, "5" -> 50, "455" -> 45.5: the first two digits are whole minutes.
        while (decimals.size() < 2)
            decimals.append(u'0');
        const int wholeMinutes = decimals.left(2).toInt();
        const QString rest = decimals.mid(2);
        minutes = wholeMinutes + (rest.isEmpty() ? 0.0 : QStringLiteral("0.%1").arg(rest).toDouble());
    }
    int quarter = 0;
    if (minutes < 15)
        quarter = 0;
    else if (minutes < 30)
        quarter = 1;
    else if (minutes < 45)
        quarter = 2;
    else if (minutes < 60)
        quarter = 3;
    return hours * 4 + quarter;
}
