#include "norms/NutrientSelection.h"

#include "app/TextFile.h"

namespace {
constexpr int Ash = 18;

bool parseWholeNumber(const QString &line, int &number)
{
    bool ok = false;
    number = line.trimmed().toInt(&ok);
    return ok;
}
} // namespace

int NutrientSelection::SelectedCount() const
{
    int n = 0;
    for (int i = Nutrient::First; i <= Nutrient::Last; ++i)
        n += Selected[i] ? 1 : 0;
    return n;
}

QList<int> NutrientSelection::numbers() const
{
    QList<int> list;
    for (int i = Nutrient::First; i <= Nutrient::Last; ++i)
        if (Selected[i])
            list.append(i);
    return list;
}

const QList<int> &DefaultSelectionNumbers()
{
    static const QList<int> numbers = {15, 16, 19, 20, 21, 28, 34, 36, 48};
    return numbers;
}

QString ProgramSelectionFile(const QString &initialDirectory)
{
    return initialDirectory + QStringLiteral("nvval.txt");
}

TextFile::Limits SelectionFileLimits()
{
    return {64 * 1024, 1000, 0};
}

Status LoadSelection(NutrientSelection &selection, const QString &path)
{
    auto lines = TextFile::readLines(path, SelectionFileLimits());
    TakeSelectionLines(selection, lines ? *lines : QStringList(), lines.ok());
    return lines ? Status::success() : Status::failure(lines.message);
}

void TakeSelectionLines(NutrientSelection &selection, const QStringList &lines, bool complete)
{
    selection.clear();
    if (complete)
        for (const QString &line : lines) {
            int n = 0;
            if (!parseWholeNumber(line, n)) {
                complete = false;
                break;
            }
            if (Nutrient::isValid(n) && n != Ash)
                selection.Selected[n] = true;
        }
    if (!complete)
        for (int n : DefaultSelectionNumbers())
            selection.Selected[n] = true;
}

Status SaveSelection(const NutrientSelection &selection, const QString &path)
{
    QStringList lines;
    for (int n : selection.numbers())
        lines.append(QString::number(n));
    return TextFile::writeLines(path, lines);
}
