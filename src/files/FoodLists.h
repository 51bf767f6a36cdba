#pragma once

#include <QString>
#include <QStringList>

struct ProgramState;

// The small stores that help reuse earlier work: the meal and day clipboards, the favourites,
// the recently used foods and the persistence of the favourites and earlier Computations.
namespace FoodLists {

constexpr const char *FavouritesFile = "favoriter.txt";
constexpr const char *RecentFoodsFile = "senaste.txt";
constexpr const char *EarlierComputationsFile = "senasteFiler.txt";

// Start-up: favourites, earlier Computations and recent foods from the program folder. Missing or
// damaged files leave what could be read; a file that exists but cannot be read, or is far
// larger than such a list (over 2 MB or 20,000 lines), is left out. Returns a message for each
// file left out.
QStringList LoadLists(ProgramState &state, const QString &programDirectory);

// Closing: the favourites (when there are any) and at most 51 earlier Computations. Errors are
// ignored, as the user can do nothing about them while the program ends.
void StoreLists(const ProgramState &state, const QString &programDirectory);

// A food chosen in the search list: into the recent foods and the current meal's type list,
// each kept to 40 names (the first in name order goes).
void RememberFood(ProgramState &state, const QString &name, const QString &twin);

// Favourites: added once per name, in name order. Returns false when already there.
bool AddFavourite(ProgramState &state, const QString &name, const QString &twin);
void RemoveFavourite(ProgramState &state, int index);

// The clipboards.
void CopyMeal(ProgramState &state);
// False when nothing was copied. Takes the undo snapshot, then fills from the first empty row.
bool PasteMeal(ProgramState &state);
void CopyDay(ProgramState &state);
bool DayClipboardFull(const ProgramState &state);
// Replaces the current day's nine meals by the copied day.
void PasteDay(ProgramState &state);

} // namespace FoodLists
