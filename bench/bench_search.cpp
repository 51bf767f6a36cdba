// Costs of the food search: loading the name lists, and one search with the list's refresh over
// the national table and a Dabas list of 11,000 products.
#include "BenchTimer.h"
#include "app/RegisterDatabase.h"
#include "food/FoodNameLists.h"
#include "food/SearchList.h"
#include "food/SearchListModel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

constexpr int DabasProducts = 11000;

// Product names built from the words of the national names, each ending in "/" + a company,
// as Dabas names do.
FoodNameList generatedDabas(const FoodNameList &national)
{
    QStringList words;
    for (const FoodListEntry &e : national.entries)
        words << e.name.split(u' ', Qt::SkipEmptyParts);
    const QStringList companies{QStringLiteral("Arla"),       QStringLiteral("Bravo"),
                                QStringLiteral("Felix"),      QStringLiteral("Findus"),
                                QStringLiteral("Garant"),     QStringLiteral("ICA"),
                                QStringLiteral("Lantmännen"), QStringLiteral("Skånemejerier")};
    QRandomGenerator random(20261211);
    FoodNameList dabas;
    dabas.entries.reserve(DabasProducts);
    for (int i = 0; i < DabasProducts; ++i) {
        QString name;
        const int n = 2 + random.bounded(3);
        for (int w = 0; w < n; ++w)
            name += (w ? QStringLiteral(" ") : QString()) + words[random.bounded(int(words.size()))];
        const QString company = companies[random.bounded(int(companies.size()))];
        dabas.entries.push_back(
            MakeFoodListEntry(QStringLiteral("dab%1").arg(7310000000000LL + i, 14, 10, QLatin1Char('0')),
                              name + u'/' + company, QStringLiteral("100"), QStringLiteral("g"), company));
    }
    SortByName(dabas);
    return dabas;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString programDir = QStringLiteral(VELMORA_PROGRAM_DIR);
    if (!QFile::exists(QDir(programDir).filePath(RegisterDatabase::registerFileName()))) {
        QTextStream(stderr) << "register.sqlite saknas i " << programDir << "\n";
        return 1;
    }
    // A copy, so that the own-foods file the registers create lands outside the program folder.
    QTemporaryDir work;
    QFile::copy(QDir(programDir).filePath(RegisterDatabase::registerFileName()),
                work.filePath(RegisterDatabase::registerFileName()));

    FoodNameLists lists;
    benchMedian(QStringLiteral("Start-up name lists (open the registers, read brasol100, fabrikant, egna)"),
                21, [&] {
                    RegisterDatabase registers;
                    if (!registers.open(work.path()))
                        return;
                    QSqlDatabase db = registers.connection();
                    lists = LoadStartupNameLists(db).lists;
                });
    QTextStream(stdout) << "national list: " << lists.national.count() << " foods\n";
    lists.dabas = generatedDabas(lists.national);

    {
        RegisterDatabase registers;
        if (registers.open(work.path())) {
            QSqlDatabase db = registers.connection();
            db.transaction();
            QSqlQuery insert(db);
            insert.prepare(
                QStringLiteral("INSERT INTO dabas (Kod, Livsmedel, Portionsstorlek, Enhet, Grupp1) "
                               "VALUES (?, ?, 100, 'g', ?)"));
            for (const FoodListEntry &e : lists.dabas.entries) {
                insert.addBindValue(e.code);
                insert.addBindValue(e.name);
                insert.addBindValue(e.group);
                insert.exec();
            }
            db.commit();
            benchMedian(QStringLiteral("Dabas name list (11,000 products)"), 11,
                        [&] { LoadFoodNameList(db, QStringLiteral("dabas"), true); });
        }
    }

    SearchListModel model;
    QListView view;
    view.setUniformItemSizes(true);
    view.setModel(&model);
    view.resize(300, 600);
    view.show();
    QApplication::processEvents();
    SearchOptions options;
    options.dabas = true;
    for (const QString &text : {QStringLiteral("a"), QStringLiteral("mj"), QStringLiteral("mjölk fett")}) {
        int hits = 0;
        benchMedian(QStringLiteral("FillSearchList \"%1\" and the list's refresh").arg(text), 51, [&] {
            hits = FillSearchList(lists, text, options, model);
            QApplication::processEvents();
        });
        QTextStream(stdout) << "  " << hits << " hits\n";
    }
    return 0;
}
