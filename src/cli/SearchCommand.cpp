#include "app/RegisterDatabase.h"
#include "app/StartupConfig.h"
#include "cli/Commands.h"
#include "food/FoodNameLists.h"
#include "food/SearchList.h"
#include "food/SearchListModel.h"

#include <QDir>

int SearchCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QStringList words = args;
    const bool dabas = words.removeAll(QStringLiteral("--dabas")) > 0;
    if (words.size() != 1) {
        err << "Användning: velmora-cli search TEXT [--dabas]\n";
        return 2;
    }
    const QString dir = QDir::currentPath();
    RegisterDatabase registers;
    if (const Status opened = registers.open(dir); !opened) {
        err << opened.message << "\n";
        return 1;
    }
    QSqlDatabase db = registers.connection();
    NameListsLoad load = LoadStartupNameLists(db);
    if (!load.status) {
        err << load.status.message << "\n";
        return 1;
    }
    SearchOptions options;
    if (dabas) {
        NameListLoad dabasLoad = LoadFoodNameList(db, QStringLiteral("dabas"), true);
        if (!dabasLoad.status) {
            err << dabasLoad.status.message << "\n";
            return 1;
        }
        load.lists.dabas = std::move(dabasLoad.list);
        options.dabas = true;
    }
    // The food-country boxes as the window starts: Swedish, and the box of the country letter.
    AppState app;
    ReadCountryFile(dir, app);
    options.norwegian = app.CountryCode == u"N";
    options.danish = app.CountryCode == u"D";

    SearchListModel list;
    const int hits = FillSearchList(load.lists, words.first(), options, list);
    for (int i = 0; i < list.count(); ++i)
        out << list.visibleAt(i) << '\t' << list.twinAt(i) << '\n';
    out << hits << '\n';
    return 0;
}
