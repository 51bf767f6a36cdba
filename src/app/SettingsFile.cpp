#include "app/SettingsFile.h"

#include "app/NumberText.h"
#include "app/TextFile.h"

namespace SettingsFile {

QString fileName()
{
    return QStringLiteral("velmora.para");
}

TextFile::Limits limits()
{
    return {64 * 1024, 1000, 0};
}

Result<QStringList> read(const QString &path)
{
    auto lines = TextFile::readLines(path, limits());
    if (!lines)
        return Result<QStringList>::failure(lines.message);
    return Result<QStringList>::success(cellsOf(*lines));
}

QStringList cellsOf(const QStringList &lines)
{
    QStringList cells = lines.mid(0, LineCount);
    while (cells.size() < LineCount)
        cells << QString();
    return cells;
}

Status write(const QString &path, const QStringList &cells)
{
    QStringList lines = cells.mid(0, LineCount);
    while (lines.size() < LineCount)
        lines << QString();
    return TextFile::writeLines(path, lines);
}

void apply(MealSettings &settings, const QStringList &cells)
{
    for (int m = 0; m < 9; ++m) {
        settings.MealShareTexts[m] = cells.value(m);
        settings.MealShares[m] = TextToNumber(cells.value(m)) / 100.0f;
    }
    for (int i = 0; i < 6; ++i)
        settings.IdealEnergyDistribution[i] = TextToNumber(cells.value(9 + i));
}

QString idealText(float value)
{
    return QString::number(double(value), 'g', 6);
}

QStringList cellsOf(const MealSettings &settings)
{
    QStringList cells;
    for (const QString &text : settings.MealShareTexts)
        cells << text;
    for (float v : settings.IdealEnergyDistribution)
        cells << idealText(v);
    return cells;
}

} // namespace SettingsFile
