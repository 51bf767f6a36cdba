#include "food/FoodNameLists.h"
#include "food/SearchList.h"
#include "food/SearchListModel.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

FoodNameList listOf(const QStringList &names, const QString &codePrefix, const QStringList &groups = {})
{
    FoodNameList list;
    for (int i = 0; i < names.size(); ++i)
        list.entries.push_back(MakeFoodListEntry(codePrefix + QString::number(i + 1), names[i],
                                                 QStringLiteral("100"), QStringLiteral("g"),
                                                 groups.value(i)));
    SortByName(list);
    return list;
}

// The visible lines of the national section: everything before the manufacturers' header.
QStringList nationalSection(const SearchListModel &model)
{
    QStringList lines;
    for (const QString &line : model.visible()) {
        if (line == QString::fromUtf16(HeaderManufacturers.visible))
            break;
        lines << line;
    }
    return lines;
}

// The visible lines between two header lines (or to the end when `to` is null).
QStringList section(const SearchListModel &model, const SearchHeader &from, const char16_t *to = nullptr)
{
    const QStringList &lines = model.visible();
    qsizetype i = lines.indexOf(QString::fromUtf16(from.visible));
    if (i < 0)
        return {};
    QStringList out;
    for (++i; i < lines.size(); ++i) {
        if (to && lines[i] == QString::fromUtf16(to))
            break;
        out << lines[i];
    }
    return out;
}

SearchOptions swedishOnly()
{
    return SearchOptions{};
}

} // namespace

class TestSearchList : public QObject {
    Q_OBJECT
private slots:
    void prefixHitsComeFirstAndNoNameTwice()
    {
        FoodNameLists lists;
        lists.national =
            listOf({QStringLiteral("Filmjölk"), QStringLiteral("Mjölkchoklad"),
                    QStringLiteral("Choklad mjölk"), QStringLiteral("Mjölk fett 3%"), QStringLiteral("Smör")},
                   QStringLiteral("n"));
        SearchListModel model;
        const int hits = FillSearchList(lists, QStringLiteral("mjölk"), swedishOnly(), model);
        QCOMPARE(hits, 4);
        QCOMPARE(nationalSection(model),
                 QStringList({QStringLiteral("Mjölk fett 3%"), QStringLiteral("Mjölkchoklad"),
                              QStringLiteral("Choklad mjölk"), QStringLiteral("Filmjölk")}));
        // The twin carries the code between the braces, then portion and unit.
        const int at = int(model.visible().indexOf(QStringLiteral("Filmjölk")));
        QCOMPARE(model.twinAt(at), QStringLiteral("Filmjölk{n1}100@g"));
        QCOMPARE(CodeFromTwinLine(model.twinAt(at)), QStringLiteral("n1"));
    }

    void twoWordsMatchInAnyOrderButPrefixNeedsTheWholeText()
    {
        FoodNameLists lists;
        lists.national = listOf({QStringLiteral("Mjölkfett"), QStringLiteral("Fett mjölk"),
                                 QStringLiteral("Mjölk fett 3%"), QStringLiteral("Mjölk mager"),
                                 QStringLiteral("Filmjölk fett 3%")},
                                QStringLiteral("n"));
        SearchListModel model;
        QCOMPARE(FillSearchList(lists, QStringLiteral("mjölk fett"), swedishOnly(), model), 4);
        // "Mjölkfett" holds both words but does not begin with "MJÖLK FETT": a pass-2 hit.
        QCOMPARE(nationalSection(model),
                 QStringList({QStringLiteral("Mjölk fett 3%"), QStringLiteral("Fett mjölk"),
                              QStringLiteral("Filmjölk fett 3%"), QStringLiteral("Mjölkfett")}));
    }

    void emptyTextGivesHeadersAndTheNoHitLine()
    {
        FoodNameLists lists;
        lists.national = listOf({QStringLiteral("Ost")}, QStringLiteral("n"));
        lists.own = listOf({QStringLiteral("Egen ost")}, QStringLiteral("e"));
        SearchListModel model;
        QCOMPARE(FillSearchList(lists, QString(), swedishOnly(), model), 0);
        QCOMPARE(model.visible(),
                 QStringList(
                     {QString::fromUtf16(HeaderManufacturers.visible), QString::fromUtf16(HeaderOwn.visible),
                      QString::fromUtf16(HeaderDabasInactive.visible), QStringLiteral("Ingen träff på  ")}));
        QCOMPARE(model.twins().mid(0, 3),
                 QStringList({QStringLiteral(" --- FABRIKANTER ---"), QStringLiteral(" --- EGNA VÄRDEN ---"),
                              QStringLiteral("         --- DABAS EJ AKTIVERAD ---")}));
        QCOMPARE(CodeFromTwinLine(model.twinAt(3)), QString());

        QCOMPARE(FillSearchList(lists, QStringLiteral("glögg"), swedishOnly(), model), 0);
        QCOMPARE(model.visibleAt(model.count() - 1), QStringLiteral("Ingen träff på  GLÖGG"));
    }

    void countryRule_data()
    {
        QTest::addColumn<bool>("swedish");
        QTest::addColumn<bool>("norwegian");
        QTest::addColumn<bool>("danish");
        QTest::addColumn<QStringList>("listed");
        const QString se = QStringLiteral("Ost");
        const QString no = QStringLiteral("Ost/No hvit");
        const QString dk = QStringLiteral("Ost/DK");
        QTest::newRow("Swedish") << true << false << false << QStringList{se};
        QTest::newRow("Norwegian") << false << true << false << QStringList{no};
        QTest::newRow("Danish") << false << false << true << QStringList{dk};
        QTest::newRow("all") << true << true << true << QStringList{se, dk, no};
        QTest::newRow("none") << false << false << false << QStringList{};
    }
    void countryRule()
    {
        QFETCH(bool, swedish);
        QFETCH(bool, norwegian);
        QFETCH(bool, danish);
        QFETCH(QStringList, listed);
        FoodNameLists lists;
        lists.national =
            listOf({QStringLiteral("Ost"), QStringLiteral("Ost/No hvit"), QStringLiteral("Ost/DK")},
                   QStringLiteral("n"));
        // The rule is the national table's: an own food marked /NO is always listed.
        lists.own = listOf({QStringLiteral("Ost/NO egen")}, QStringLiteral("e"));
        SearchOptions options;
        options.swedish = swedish;
        options.norwegian = norwegian;
        options.danish = danish;
        SearchListModel model;
        FillSearchList(lists, QStringLiteral("ost"), options, model);
        QCOMPARE(nationalSection(model), listed);
        QCOMPARE(section(model, HeaderOwn, HeaderDabasInactive.visible),
                 QStringList{QStringLiteral("Ost/NO egen")});
    }

    void discontinuedOnlyWhenShown()
    {
        FoodNameLists lists;
        lists.national = listOf({QStringLiteral("Ost UTGÅTT")}, QStringLiteral("n"));
        lists.manufacturers = listOf({QStringLiteral("Ost utgått")}, QStringLiteral("Find"));
        lists.own = listOf({QStringLiteral("Ost UTGÅTT")}, QStringLiteral("e"));
        SearchOptions options;
        SearchListModel model;
        QCOMPARE(FillSearchList(lists, QStringLiteral("ost"), options, model), 1);
        QCOMPARE(section(model, HeaderOwn, HeaderDabasInactive.visible),
                 QStringList{QStringLiteral("Ost UTGÅTT")});
        options.showDiscontinued = true;
        QCOMPARE(FillSearchList(lists, QStringLiteral("ost"), options, model), 3);
        QCOMPARE(nationalSection(model), QStringList{QStringLiteral("Ost UTGÅTT")});
    }

    void reservIsNeverListedInAnyCase()
    {
        const QStringList names{QStringLiteral("RESERV"), QStringLiteral("Reserv"), QStringLiteral("reServ"),
                                QStringLiteral("Reservdelsost")};
        FoodNameLists lists;
        lists.national = listOf(names, QStringLiteral("n"));
        lists.manufacturers = listOf(names, QStringLiteral("m"));
        lists.own = listOf(names, QStringLiteral("e"));
        lists.dabas = listOf(names, QStringLiteral("dab"));
        SearchOptions options;
        options.dabas = true;
        SearchListModel model;
        // "res" finds them by prefix, "erv" by the second pass.
        for (const QString &text : {QStringLiteral("res"), QStringLiteral("erv")}) {
            QCOMPARE(FillSearchList(lists, text, options, model), 4);
            QCOMPARE(model.visible().count(QStringLiteral("Reservdelsost")), 4);
            for (const QString &line : model.visible())
                QVERIFY2(line.toUpper() != u"RESERV", qPrintable(line));
        }
    }

    void sectionsAndTheDabasHeaderStandInOrder()
    {
        FoodNameLists lists;
        lists.national = listOf({QStringLiteral("Äpple")}, QStringLiteral("n"));
        lists.manufacturers = listOf({QStringLiteral("Äppelmos")}, QStringLiteral("Semp"));
        lists.own = listOf({QStringLiteral("Äppelkaka")}, QStringLiteral("e"));
        lists.dabas = listOf({QStringLiteral("Äppeljuice/Bravo")}, QStringLiteral("dab"));
        SearchOptions options;
        SearchListModel model;
        QCOMPARE(FillSearchList(lists, QStringLiteral("äpp"), options, model), 3);
        QCOMPARE(model.visible(),
                 QStringList({QStringLiteral("Äpple"), QString::fromUtf16(HeaderManufacturers.visible),
                              QStringLiteral("Äppelmos"), QString::fromUtf16(HeaderOwn.visible),
                              QStringLiteral("Äppelkaka"), QString::fromUtf16(HeaderDabasInactive.visible)}));
        options.dabas = true;
        QCOMPARE(FillSearchList(lists, QStringLiteral("äpp"), options, model), 4);
        QCOMPARE(model.visible().mid(5),
                 QStringList({QString::fromUtf16(HeaderDabas.visible), QStringLiteral("Äppeljuice/Bravo")}));
        QCOMPARE(model.twinAt(5), QStringLiteral(" --- DABAS ---"));
    }

    void groupFilter_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("two characters: equal")
            << QStringLiteral("fi") << QStringList{QStringLiteral("Bröd UTGÅTT"), QStringLiteral("Fi-mat")};
        QTest::newRow("longer: contains")
            << QStringLiteral("fisk")
            << QStringList{QStringLiteral("Lax"), QStringLiteral("Sej"), QStringLiteral("Torsk")};
        QTest::newRow("title matches nothing") << QStringLiteral(" Livsmedelsgrupper") << QStringList{};
    }
    void groupFilter()
    {
        QFETCH(QString, group);
        QFETCH(QStringList, listed);
        FoodNameLists lists;
        // Exclusions do not apply here: the UTGÅTT food of the group is listed.
        lists.national = listOf({QStringLiteral("Lax"), QStringLiteral("Torsk"), QStringLiteral("Fi-mat"),
                                 QStringLiteral("Sej"), QStringLiteral("Bröd UTGÅTT")},
                                QStringLiteral("n"),
                                {QStringLiteral("Fisk"), QStringLiteral("Fisk/No"), QStringLiteral("Fi"),
                                 QStringLiteral("Rökt fisk"), QStringLiteral("Fi")});
        SearchListModel model;
        const int hits = FilterByFoodGroup(lists, group, model);
        QCOMPARE(hits, listed.size());
        QCOMPARE(model.visible(), listed);
    }

    void emptyGroupOrTagLeavesTheList()
    {
        FoodNameLists lists;
        for (const auto &[code, name] :
             {std::pair{"FIND12", "Fiskpinnar"}, {"semp3", "Gröt"}, {"find7", "Glass"}})
            lists.manufacturers.entries.push_back(MakeFoodListEntry(
                QString::fromUtf8(code), QString::fromUtf8(name), QStringLiteral("1"), QStringLiteral("st")));
        SortByName(lists.manufacturers);
        SearchListModel model;
        model.setLines({QStringLiteral("kvar")}, {QStringLiteral("kvar{1}1@g")});
        QCOMPARE(FilterByFoodGroup(lists, QString(), model), -1);
        QCOMPARE(FilterByManufacturer(lists, QString(), model), -1);
        QCOMPARE(model.visible(), QStringList{QStringLiteral("kvar")});
        // The manufacturer filter looks for the tag in the codes, case aside.
        QCOMPARE(FilterByManufacturer(lists, QStringLiteral("Find"), model), 2);
        QCOMPARE(model.visible(), QStringList({QStringLiteral("Fiskpinnar"), QStringLiteral("Glass")}));
        const QStringList names = ManufacturerNames();
        const QStringList tags = ManufacturerTags();
        QCOMPARE(names.size(), tags.size());
        QCOMPARE(names.first(), QStringLiteral("Fabrikanter"));
        QCOMPARE(tags.at(names.indexOf(QStringLiteral("Skånemejerier"))), QStringLiteral("Skån"));
        QVERIFY(tags.last().isEmpty());
    }

    void loadsEveryRowInSwedishOrder()
    {
        QTemporaryDir dir;
        const QString connection = QStringLiteral("tst_searchlist");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(dir.filePath(QStringLiteral("r.sqlite")));
            QVERIFY(db.open());
            QSqlQuery q(db);
            for (const char *table : {"brasol100", "fabrikant"}) {
                QVERIFY(q.exec(
                    QStringLiteral("CREATE TABLE %1 (Kod VARCHAR(12) PRIMARY KEY, Livsmedel VARCHAR(80), "
                                   "Portionsstorlek REAL, Enhet VARCHAR(16), Grupp1 VARCHAR(30))")
                        .arg(QString::fromLatin1(table))));
            }
            QVERIFY(db.transaction());
            QVERIFY(q.prepare(QStringLiteral("INSERT INTO brasol100 VALUES (?, ?, ?, ?, ?)")));
            // More rows than the old fixed lists held: every one must be searchable.
            const int rows = 7000;
            for (int i = 0; i < rows; ++i) {
                q.addBindValue(QString::number(i));
                q.addBindValue(QStringLiteral("Mat %1").arg(rows - i, 5, 10, QLatin1Char('0')));
                q.addBindValue(12.5);
                q.addBindValue(QStringLiteral("g"));
                q.addBindValue(i % 2 ? QStringLiteral("Kött") : QStringLiteral("Bröd"));
                QVERIFY(q.exec());
            }
            const QStringList names{QStringLiteral("Öl"), QStringLiteral("ägg"), QStringLiteral("Zucchini"),
                                    QStringLiteral("Ål"), QStringLiteral("apelsin")};
            for (int i = 0; i < names.size(); ++i) {
                q.addBindValue(QStringLiteral("s%1").arg(i));
                q.addBindValue(names[i]);
                q.addBindValue(100.0);
                q.addBindValue(QStringLiteral("st"));
                q.addBindValue(i == 0 ? QStringLiteral("Dryck") : QString());
                QVERIFY(q.exec());
            }
            QVERIFY(q.exec(QStringLiteral(
                "INSERT INTO fabrikant VALUES ('Find1', 'Pytt', NULL, 'port', 'Färdigrätt')")));
            QVERIFY(db.commit());

            NameListsLoad load = LoadStartupNameLists(db);
            // The own foods' table is missing: named in the message, the others still read.
            QVERIFY(!load.status);
            QVERIFY(load.status.message.contains(QStringLiteral("egna")));
            QCOMPARE(load.lists.national.count(), rows + 5);
            QCOMPARE(load.lists.manufacturers.count(), 1);
            const auto &n = load.lists.national.entries;
            QCOMPARE(n.front().name, QStringLiteral("apelsin"));
            QCOMPARE(n[n.size() - 4].name, QStringLiteral("Zucchini"));
            QCOMPARE(n[n.size() - 3].name, QStringLiteral("Ål"));
            QCOMPARE(n[n.size() - 2].name, QStringLiteral("ägg"));
            QCOMPARE(n.back().name, QStringLiteral("Öl"));
            QCOMPARE(n.back().twin, QStringLiteral("Öl{s0}100@st"));
            QCOMPARE(n[1].twin, QStringLiteral("Mat 00001{6999}12.5@g"));
            QCOMPARE(load.lists.groups,
                     QStringList({QStringLiteral("Bröd"), QStringLiteral("Dryck"), QStringLiteral("Kött")}));
            // Groups are kept for the national table only; an empty portion stays empty.
            QCOMPARE(load.lists.manufacturers.entries[0].group, QString());
            QCOMPARE(load.lists.manufacturers.entries[0].twin, QStringLiteral("Pytt{Find1}@port"));

            SearchListModel model;
            QCOMPARE(FillSearchList(load.lists, QStringLiteral("mat 0000"), swedishOnly(), model), 9);
            QCOMPARE(FillSearchList(load.lists, QStringLiteral("mat"), swedishOnly(), model), rows);
        }
        QSqlDatabase::removeDatabase(connection);
    }
};

QTEST_GUILESS_MAIN(TestSearchList)
#include "tst_searchlist.moc"
