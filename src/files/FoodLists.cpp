#include "files/FoodLists.h"

#include "app/ProgramState.h"
#include "app/TextFile.h"
#include "calc/RowEditing.h"

#include <QDir>
#include <QFileInfo>

namespace FoodLists {

namespace {

// Thousands of favourites at most, and 51 earlier Computations.
const TextFile::Limits listLimits{2 * 1024 * 1024, 20000, 0};

// The lines of the file, or nothing; a missing file is no fault, as every list starts so.
QStringList readList(const QString &path, QStringList &faults)
{
    if (!QFileInfo::exists(path))
        return {};
    auto lines = TextFile::readLines(path, listLimits);
    if (!lines) {
        faults.append(lines.message);
        return {};
    }
    return *lines;
}

void readPairs(const QString &path, FoodPairList &list, QStringList &faults)
{
    const QStringList lines = readList(path, faults);
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        list.shown.append(lines.at(i));
        list.twins.append(lines.at(i + 1));
    }
}

// "senasteFiler.txt" is written as "senastefiler.txt" too; on a file system that tells case
// apart, use whichever of the two exists (the newer when both do).
QString earlierComputationsPath(const QString &dir)
{
    const QDir d(dir);
    const QString upper = d.filePath(QString::fromLatin1(EarlierComputationsFile));
    const QString lower = d.filePath(QString::fromLatin1(EarlierComputationsFile).toLower());
    const QFileInfo u(upper), l(lower);
    if (u.exists() && l.exists())
        return u.lastModified() >= l.lastModified() ? upper : lower;
    return l.exists() ? lower : upper;
}

} // namespace

QStringList LoadLists(ProgramState &state, const QString &programDirectory)
{
    QStringList faults;
    const QDir dir(programDirectory);
    state.files.favourites.clear();
    readPairs(dir.filePath(QString::fromLatin1(FavouritesFile)), state.files.favourites, faults);
    state.app.ProgramDirectory = programDirectory;
    state.files.EarlierComputations.clear();
    for (const QString &line : readList(earlierComputationsPath(programDirectory), faults))
        if (!line.isEmpty())
            state.files.EarlierComputations.append(line);
    state.search.ListMode = QStringLiteral("senaste");
    state.recent.all.clear();
    readPairs(dir.filePath(QString::fromLatin1(RecentFoodsFile)), state.recent.all, faults);
    return faults;
}

void StoreLists(const ProgramState &state, const QString &programDirectory)
{
    const QDir dir(programDirectory);
    const FoodPairList &fav = state.files.favourites;
    if (fav.count() > 0) {
        QStringList lines;
        for (int i = 0; i < fav.count(); ++i)
            lines << fav.shown[i] << fav.twins.value(i);
        TextFile::writeLines(dir.filePath(QString::fromLatin1(FavouritesFile)), lines);
    }
    const QStringList &earlier = state.files.EarlierComputations;
    if (!earlier.isEmpty()) {
        // One file, whatever case the file system gives its name.
        const QString path = earlierComputationsPath(programDirectory);
        TextFile::writeLines(path, earlier.mid(0, FileState::StoredEarlierComputations));
    }
}

void RememberFood(ProgramState &state, const QString &name, const QString &twin)
{
    RowEditing::RememberRecentFood(state.recent, state.computation->CurrentMeal, name, twin);
}

bool AddFavourite(ProgramState &state, const QString &name, const QString &twin)
{
    if (state.files.favourites.containsShown(name))
        return false;
    state.files.favourites.addSorted(name, twin);
    return true;
}

void RemoveFavourite(ProgramState &state, int index)
{
    if (index >= 0 && index < state.files.favourites.count())
        state.files.favourites.removeAt(index);
}

void CopyMeal(ProgramState &state)
{
    const MealRows &meal = state.computation->currentMeal();
    std::copy(meal.begin(), meal.end(), state.files.MealClipboard->begin());
    state.app.MealClipboardFull = true;
}

bool PasteMeal(ProgramState &state)
{
    if (!state.app.MealClipboardFull)
        return false;
    Computation &c = *state.computation;
    TakeUndoSnapshot(c);
    MealRows &meal = c.currentMeal();
    int first = ComputationSize::RowsPerMeal;
    for (int r = 1; r <= ComputationSize::RowsPerMeal; ++r)
        if (meal[r].isEmpty()) {
            first = r;
            break;
        }
    const MealClipboardRows &clip = *state.files.MealClipboard;
    for (int r = first, from = 1; r <= ComputationSize::RowsPerMeal; ++r, ++from)
        meal[r] = clip[from];
    state.app.ComputationChanged = true;
    return true;
}

void CopyDay(ProgramState &state)
{
    *state.files.DayClipboard = state.computation->Rows[state.computation->CurrentDay];
    state.files.DayClipboardFull = true;
}

bool DayClipboardFull(const ProgramState &state)
{
    return state.files.DayClipboardFull;
}

void PasteDay(ProgramState &state)
{
    state.computation->Rows[state.computation->CurrentDay] = *state.files.DayClipboard;
    state.app.ComputationChanged = true;
}

} // namespace FoodLists
