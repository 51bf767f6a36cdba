#include "food/NutrientCatalogue.h"

#include "app/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

namespace {

constexpr std::pair<char16_t, char16_t> kReplacements[9] = {
    {u'{', u'ä'}, {u'|', u'ö'}, {u'}', u'å'}, {u'[', u'Ä'},  {u'\\', u'Ö'},
    {u']', u'Å'}, {u'`', u'é'}, {u'~', u'ü'}, {u'\t', u' '},
};

QString lineError(const QString &fileName, int lineNumber, const QString &why)
{
    return QStringLiteral("Fel i namnfilen nvnamn.txt\n%1, rad %2: %3")
        .arg(fileName)
        .arg(lineNumber)
        .arg(why);
}

} // namespace

QString ReplaceNameFileCharacters(QString line)
{
    for (const auto &[from, to] : kReplacements)
        line.replace(QChar(from), QChar(to));
    return line;
}

Result<NutrientCatalogue> ParseNutrientCatalogue(const QStringList &lines, const QString &fileName)
{
    NutrientCatalogue catalogue;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        if (lines[i].startsWith(u'*'))
            continue;
        const QString line = ReplaceNameFileCharacters(lines[i]);
        bool ok = false;
        const int number = line.left(2).toInt(&ok);
        if (!ok || line.size() < 2 || !line.at(0).isDigit() || !line.at(1).isDigit())
            return Result<NutrientCatalogue>::failure(lineError(
                fileName, lineNumber, QStringLiteral("raden börjar inte med ett näringsämnesnummer")));
        if (!Nutrient::isValid(number))
            return Result<NutrientCatalogue>::failure(lineError(
                fileName, lineNumber, QStringLiteral("nummer %1 ligger utanför 15 till 86").arg(number)));
        const QString rest = line.mid(3);
        const qsizetype blank = rest.indexOf(u' ');
        const qsizetype comma = rest.indexOf(u',');
        if (blank < 0 || comma < 0 || comma < blank)
            return Result<NutrientCatalogue>::failure(
                lineError(fileName, lineNumber, QStringLiteral("formen ska vara \"namn enhet,decimaler\"")));
        if (comma + 1 >= rest.size() || !rest.at(comma + 1).isDigit() || rest.at(comma + 1).unicode() > 127)
            return Result<NutrientCatalogue>::failure(
                lineError(fileName, lineNumber, QStringLiteral("decimaler saknas efter kommat")));
        catalogue.ShortName[number] = rest.left(blank).left(12);
        catalogue.UnitName[number] = rest.mid(blank + 1, comma - blank - 1).left(2);
        catalogue.DisplayName[number] = rest.left(comma).left(12);
        catalogue.Decimals[number] = rest.at(comma + 1).digitValue();
    }
    return Result<NutrientCatalogue>::success(std::move(catalogue));
}

QList<int> MissingNutrientNumbers(const NutrientCatalogue &catalogue)
{
    // A parsed line always gives a display name: the text before its comma holds at least the
    // blank between name and unit.
    QList<int> missing;
    for (int n = Nutrient::First; n <= Nutrient::Last; ++n)
        if (catalogue.DisplayName[n].isEmpty())
            missing.append(n);
    return missing;
}

Result<NutrientCatalogue> ReadNutrientCatalogue(const QStringList &lines, const QString &fileName)
{
    auto catalogue = ParseNutrientCatalogue(lines, fileName);
    if (!catalogue)
        return catalogue;
    const QList<int> missing = MissingNutrientNumbers(*catalogue);
    if (missing.isEmpty())
        return catalogue;
    // Runs of numbers as "40-45", so that a file naming nothing gives one short line.
    QStringList runs;
    for (qsizetype i = 0; i < missing.size();) {
        qsizetype j = i;
        while (j + 1 < missing.size() && missing[j + 1] == missing[j] + 1)
            ++j;
        runs.append(j == i ? QString::number(missing[i])
                           : QStringLiteral("%1-%2").arg(missing[i]).arg(missing[j]));
        i = j + 1;
    }
    return Result<NutrientCatalogue>::failure(
        QStringLiteral("Fel i namnfilen nvnamn.txt\n%1: näringsämnesnummer %2 saknas.")
            .arg(fileName, runs.join(QStringLiteral(", "))));
}

Result<NutrientCatalogue> LoadNutrientCatalogue(const QString &programDir)
{
    const QString path = QDir(programDir).filePath(QStringLiteral("nvnamn.txt"));
    if (!QFileInfo(path).isFile())
        return Result<NutrientCatalogue>::failure(
            QStringLiteral("Fel i namnfilen nvnamn.txt\nFilen %1 saknas eller kan inte läsas.").arg(path));
    const auto lines =
        TextFile::readLines(path, {NutrientCatalogueMaxBytes, NutrientCatalogueMaxLines, 0});
    if (!lines)
        return Result<NutrientCatalogue>::failure(QStringLiteral("Fel i namnfilen nvnamn.txt\n") + lines.message);
    return ReadNutrientCatalogue(*lines, path);
}
