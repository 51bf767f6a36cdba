// Reads the favourites, the earlier Computations and the recent foods as the start-up does, then
// stores them as the closing does and reads them again. An input is the three files
// (favoriter.txt, senasteFiler.txt, senaste.txt) separated by PartSeparator lines.

#include "FuzzSupport.h"

#include "app/ProgramState.h"
#include "files/FoodLists.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static ProgramState state;
    const QList<QByteArray> files = fuzz::parts(fuzz::bytesOf(data, size), 3);
    const QDir &dir = fuzz::scratch();
    QDir().mkpath(dir.filePath(QStringLiteral("in")));
    QDir().mkpath(dir.filePath(QStringLiteral("out")));
    const QDir in(dir.filePath(QStringLiteral("in")));
    const QDir out(dir.filePath(QStringLiteral("out")));
    fuzz::putFile(in.filePath(QString::fromLatin1(FoodLists::FavouritesFile)), &files[0]);
    fuzz::putFile(in.filePath(QString::fromLatin1(FoodLists::EarlierComputationsFile)),
                  files.size() > 1 ? &files[1] : nullptr);
    fuzz::putFile(in.filePath(QString::fromLatin1(FoodLists::RecentFoodsFile)), files.size() > 2 ? &files[2] : nullptr);
    for (const char *name : {FoodLists::FavouritesFile, FoodLists::EarlierComputationsFile})
        fuzz::putFile(out.filePath(QString::fromLatin1(name)), nullptr);

    FoodLists::LoadLists(state, in.path());
    fuzz::require(state.files.favourites.shown.size() == state.files.favourites.twins.size(),
                  "favourites come in pairs");
    fuzz::require(state.recent.all.shown.size() == state.recent.all.twins.size(), "recent foods come in pairs");

    const FoodPairList favourites = state.files.favourites;
    const QStringList earlier = state.files.EarlierComputations.mid(0, FileState::StoredEarlierComputations);
    FoodLists::StoreLists(state, out.path());
    FoodLists::LoadLists(state, out.path());
    fuzz::require(state.files.favourites.shown == favourites.shown &&
                      state.files.favourites.twins == favourites.twins,
                  "stored favourites read back the same");
    fuzz::require(state.files.EarlierComputations == earlier, "stored earlier Computations read back the same");
    return 0;
}
