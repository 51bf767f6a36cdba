#include "diabetes/DiabetesEntries.h"

namespace {

void appendPairs(QStringList &lines, const char *tag,
                 const std::array<DiabetesEntries::DayPairs, DiabetesEntries::Days> &days)
{
    for (int d = 0; d < DiabetesEntries::Days; ++d)
        for (int r = 1; r <= DiabetesEntries::Rows; ++r) {
            const auto &p = days[d][r];
            if (!p.clock.isEmpty())
                lines.append(
                    QStringLiteral("*%1/%2/%3/%4/").arg(QLatin1String(tag)).arg(d).arg(p.clock, p.value));
        }
}

// Glucose and insulin lines: "*glukos/day/clock/value/". A day outside 0 to 20 or a row past 20
// is dropped: the line cannot come from this program.
void readPair(const QStringList &fields, std::array<DiabetesEntries::DayPairs, DiabetesEntries::Days> &days,
              int &lastDay, int &nextRow)
{
    bool ok = false;
    const int day = fields.value(1).toInt(&ok);
    if (!ok || day < 0 || day >= DiabetesEntries::Days)
        return;
    if (day != lastDay)
        nextRow = 1;
    lastDay = day;
    if (nextRow > DiabetesEntries::Rows)
        return;
    days[day][nextRow] = {fields.value(2).left(DiabetesEntries::TextLength),
                          fields.value(3).left(DiabetesEntries::TextLength)};
    ++nextRow;
}

} // namespace

QStringList WriteDiabetesLines(const DiabetesEntries &entries)
{
    QStringList lines;
    appendPairs(lines, "glukos", entries.glucose);
    appendPairs(lines, "insulin", entries.insulin);
    for (int n = 1; n <= DiabetesEntries::CountingRows; ++n)
        lines.append(QStringLiteral("*kolhydratkvotmaltid/%1/%2/").arg(n).arg(entries.carbohydrateRatio[n]));
    for (int n = 1; n <= DiabetesEntries::FactorRows; ++n)
        lines.append(QStringLiteral("*kolhkvot/%1/%2/").arg(n).arg(entries.carbohydrateFactor[n]));
    return lines;
}

bool ReadDiabetesLine(const QString &line, DiabetesEntries &entries, DiabetesReadPosition &position)
{
    const QStringList fields = line.split(u'/');
    if (line.contains(QStringLiteral("*glukos"))) {
        readPair(fields, entries.glucose, position.lastGlucoseDay, position.nextGlucoseRow);
        return true;
    }
    if (line.contains(QStringLiteral("*insulin"))) {
        readPair(fields, entries.insulin, position.lastInsulinDay, position.nextInsulinRow);
        return true;
    }
    bool ok = false;
    const int row = fields.value(1).toInt(&ok);
    if (line.contains(QStringLiteral("*kolhydratkvotmaltid"))) {
        if (ok && row >= 1 && row <= DiabetesEntries::CountingRows)
            entries.carbohydrateRatio[row] = fields.value(2);
    } else if (line.contains(QStringLiteral("*kolhkvot"))) {
        if (ok && row >= 1 && row <= DiabetesEntries::FactorRows)
            entries.carbohydrateFactor[row] = fields.value(2);
    }
    return false;
}
