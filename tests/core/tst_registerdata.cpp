#include "app/CsvReader.h"
#include "app/SqlTable.h"
#include "food/FoodRegisters.h"
#include "food/SwedishOrder.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QHash>
#include <QTest>
#include <cmath>

// The registers delivered in the program folder, as the import built them from data/sources.
class TestRegisterData : public QObject {
    Q_OBJECT
private:
    TemporaryProgramFolder folder;
    FoodRegisters registers;

    static QString source(const QString &file)
    {
        return QDir(QStringLiteral(VELMORA_SOURCE_DIR "/data/sources")).filePath(file);
    }

    int count(const QString &table)
    {
        return Sql::scalar(registers.database().connection(),
                           QStringLiteral("SELECT count(*) FROM %1").arg(table))
            ->toInt();
    }

    // Every food of an edition's CSV against the register: the columns below carry the
    // values unchanged, and an empty cell is unknown.
    void compareWithSource(const QString &csv, FoodRegister reg, const QString &folateColumn)
    {
        const auto rows = Csv::readFile(source(csv), u',');
        QVERIFY2(rows.ok(), qPrintable(rows.message));
        const QStringList header = rows->first();
        const QList<std::pair<QString, int>> checked = {{QStringLiteral("Energi (kJ)"), 15},
                                                        {QStringLiteral("Energi (kcal)"), 16},
                                                        {QStringLiteral("Protein (g)"), 19},
                                                        {QStringLiteral("Fett, totalt (g)"), 20},
                                                        {QStringLiteral("Kolhydrater, tillgängliga (g)"), 21},
                                                        {QStringLiteral("Vitamin E (mg)"), 26},
                                                        {QStringLiteral("Monosackarider (g)"), 45},
                                                        {QStringLiteral("Fibrer (g)"), 48},
                                                        {QStringLiteral("Alkohol (g)"), 49},
                                                        {QStringLiteral("Fettsyra 4:0-10:0 (g)"), 50},
                                                        {QStringLiteral("DHA (C22:6) (g)"), 63},
                                                        {folateColumn, 64},
                                                        {QStringLiteral("Selen, Se (µg)"), 65}};
        const int codeColumn = int(header.indexOf(QStringLiteral("Livsmedelsnummer")));
        const int nameColumn = int(header.indexOf(QStringLiteral("Livsmedelsnamn")));
        const int wasteColumn = int(header.indexOf(QStringLiteral("Avfall (skal etc.) (%)")));
        QVERIFY(codeColumn >= 0 && nameColumn >= 0 && wasteColumn >= 0);
        int unknownSeen = 0;
        SqlTable &t = registers.table(reg);
        for (int r = 1; r < rows->size(); ++r) {
            const QStringList &f = (*rows)[r];
            const Result<bool> hit = t.findKey(f[codeColumn]);
            QVERIFY(hit.ok() && *hit);
            const FoodRecord food = ReadFoodRecord(t);
            QCOMPARE(food.name, f[nameColumn]);
            QCOMPARE(t.isNull(14), f[wasteColumn].isEmpty());
            for (const auto &[column, position] : checked) {
                const int c = int(header.indexOf(column));
                QVERIFY2(c >= 0, qPrintable(column));
                const float got = food.nutrients[Nutrient::index(position)];
                if (f[c].isEmpty()) {
                    QCOMPARE(got, -1.0f);
                    ++unknownSeen;
                } else {
                    QCOMPARE(t.value(position).toDouble(), f[c].toDouble());
                }
            }
            // Not in either edition: unknown, never 0.
            QCOMPARE(food.nutrients[Nutrient::index(Nutrient::Sucrose)], -1.0f);
            for (int n = 66; n <= 86; ++n)
                QCOMPARE(food.nutrients[Nutrient::index(n)], -1.0f);
        }
        QVERIFY(unknownSeen > 0);
    }

private slots:
    void initTestCase()
    {
        const Status s = registers.open(folder.path());
        QVERIFY2(s.ok, qPrintable(s.message));
    }

    void holdsBothEditionsAndEmptyOtherRegisters()
    {
        QCOMPARE(count(QStringLiteral("brasol100")), 2575);
        QCOMPARE(count(QStringLiteral("brasol2005")), 2333);
        QCOMPARE(count(QStringLiteral("fabrikant")), 0);
        QCOMPARE(count(QStringLiteral("dabas")), 0);
        QCOMPARE(count(QStringLiteral("egna")), 0);
        QCOMPARE(registers.table(FoodRegister::Dabas).fieldNames().at(14), QStringLiteral("kj"));
        QCOMPARE(registers.table(FoodRegister::Brasol100).fieldNames().at(41),
                 QStringLiteral("Enkelomättade fettsyror _"));
    }

    void currentEditionCarriesTheSourceValuesUnchanged()
    {
        compareWithSource(QStringLiteral("livsmedelsverket-2025-10-29/livsmedelsdb_2025-10-29.csv"),
                          FoodRegister::Brasol100, QStringLiteral("Folat, totalt (µg)"));
    }

    void previousEditionCarriesTheSourceValuesUnchanged()
    {
        compareWithSource(QStringLiteral("livsmedelsverket-2022-05-24/livsmedelsdb_2022-05-24.csv"),
                          FoodRegister::Brasol2005, QStringLiteral("Folat (µg)"));
    }

    void aCodeOnlyInThePreviousEditionOpensButIsNotShown()
    {
        // 106 was dropped from the 2025 edition.
        const auto opened = registers.FindFood(QStringLiteral("106"), LookupChain::OpenComputation);
        QVERIFY(opened);
        QCOMPARE(int(opened->source), int(FoodRegister::Brasol2005));
        QVERIFY(!registers.FindFood(QStringLiteral("106"), LookupChain::ShowPer100g));
        QVERIFY(!registers.FindFood(QStringLiteral("106"), LookupChain::AddFood));
        // A code in both editions comes from the current one.
        const auto banana = registers.FindFood(QStringLiteral("553"), LookupChain::OpenComputation);
        QVERIFY(banana);
        QCOMPARE(int(banana->source), int(FoodRegister::Brasol100));
    }

    void everyFoodArrivesWithASensiblePortion_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<float>("grams");
        QTest::newRow("milk: a glass") << "123"
                                       << "glas" << 200.0f;
        QTest::newRow("banana: one") << "553"
                                     << "st" << 120.0f;
        QTest::newRow("bread: a slice") << "185"
                                        << "skiva" << 40.0f;
        QTest::newRow("crispbread of its own") << "162"
                                               << "st" << 14.0f;
        QTest::newRow("crispbread: one, not a bread slice") << "165"
                                                            << "st" << 12.0f;
        QTest::newRow("whisky: 4 cl") << "1926"
                                      << "4 cl" << 38.0f;
        QTest::newRow("cinnamon: a teaspoon") << "2306"
                                              << "tsk" << 2.5f;
        QTest::newRow("no group, no own row: the default row") << "2886"
                                                               << "port" << 100.0f;
    }

    void everyFoodArrivesWithASensiblePortion()
    {
        QFETCH(QString, code);
        QFETCH(QString, unit);
        QFETCH(float, grams);
        const auto food = registers.FindFood(code, LookupChain::AddFood);
        QVERIFY(food);
        QCOMPARE(food->record.unit, unit);
        QCOMPARE(food->record.portionGrams, grams);
    }

    void noFoodWithoutAPortion()
    {
        QSqlDatabase db = registers.database().connection();
        for (const char *table : {"brasol100", "brasol2005"}) {
            const auto n =
                Sql::scalar(db, QStringLiteral("SELECT count(*) FROM %1 WHERE Portionsstorlek IS NULL "
                                               "OR Portionsstorlek <= 0 OR Enhet IS NULL")
                                    .arg(QString::fromLatin1(table)));
            QVERIFY(n.ok());
            QCOMPARE(n->toInt(), 0);
        }
    }

    void nameIndexWalksInSwedishOrder()
    {
        SqlTable &t = registers.table(FoodRegister::Brasol100);
        QVERIFY(t.setIndex(QStringLiteral("livsmedel")).ok);
        QString previous;
        int n = 0;
        Status s = t.first();
        while (s && !t.eof()) {
            const QString name = t.text(2);
            if (n > 0 && SwedishCompare(previous, name) > 0)
                QFAIL(qPrintable(QStringLiteral("%1 före %2").arg(previous, name)));
            previous = name;
            ++n;
            s = t.next();
        }
        QVERIFY2(s.ok, qPrintable(s.message));
        QCOMPARE(n, 2575);
        QVERIFY(previous.startsWith(u'Ö'));
        QVERIFY(t.setIndex(QString()).ok);
    }
};

QTEST_GUILESS_MAIN(TestRegisterData)
#include "tst_registerdata.moc"
