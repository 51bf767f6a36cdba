#include "food/FoodInfo.h"
#include "support/FakeFoodLookup.h"

#include <QTest>

// Energy shares, the per-100 g lines and the product information address of one food.
class TestFoodInfo : public QObject {
    Q_OBJECT
private slots:
    void energyShares_data()
    {
        QTest::addColumn<float>("protein");
        QTest::addColumn<float>("fat");
        QTest::addColumn<float>("carbohydrate");
        QTest::addColumn<float>("alcohol");
        QTest::addColumn<int>("alcoholFactor");
        QTest::addColumn<QList<float>>("shares");
        QTest::newRow("all zero: E = 0, no shares")
            << 0.f << 0.f << 0.f << 0.f << 2900 << QList<float>{0, 0, 0, 0};
        QTest::newRow("unknown counts as 0")
            << -1.f << -1.f << -1.f << -1.f << 2900 << QList<float>{0, 0, 0, 0};
        QTest::newRow("protein only") << 10.f << 0.f << 0.f << 0.f << 2900 << QList<float>{100, 0, 0, 0};
        // E = 1700 + 3700 + 1700 = 7100
        QTest::newRow("one gram each, no alcohol")
            << 1.f << 1.f << 1.f << 0.f << 2900
            << QList<float>{170000.f / 7100, 370000.f / 7100, 170000.f / 7100, 0};
        // Wine-like: E = 1700*0.1 + 1700*2.6 + 2900*10 = 33590
        QTest::newRow("alcohol counted")
            << 0.1f << 0.f << 2.6f << 10.f << 2900
            << QList<float>{17000.f / 33590, 0, 442000.f / 33590, 2900000.f / 33590};
        QTest::newRow("alcohol switched off") << 0.f << 0.f << 1.f << 10.f << 0 << QList<float>{0, 0, 100, 0};
        QTest::newRow("E of 5 or less gives no shares")
            << 0.f << 0.f << 0.002f << 0.f << 2900 << QList<float>{0, 0, 0, 0};
    }

    void energyShares()
    {
        QFETCH(float, protein);
        QFETCH(float, fat);
        QFETCH(float, carbohydrate);
        QFETCH(float, alcohol);
        QFETCH(int, alcoholFactor);
        QFETCH(QList<float>, shares);
        const FoodEnergyShareArray got =
            ComputeFoodEnergyShares(protein, fat, carbohydrate, alcohol, alcoholFactor);
        for (int i = 0; i < 4; ++i)
            QVERIFY2(qAbs(got[i] - shares[i]) < 1e-3f,
                     qPrintable(QStringLiteral("%1: %2 / %3").arg(i).arg(got[i]).arg(shares[i])));
    }

    void pieSlices()
    {
        QVERIFY(EnergyPieSlices({0, 0, 0, 0}).isEmpty());
        QVERIFY(EnergyPieSlices({5, 5, 0, 0}).isEmpty()); // 10 or less stays empty
        const auto noAlcohol = EnergyPieSlices({20, 30, 49.5f, 0.5f});
        QCOMPARE(noAlcohol.size(), 3);
        QCOMPARE(noAlcohol[0].label, QStringLiteral("Prot"));
        QCOMPARE(noAlcohol[0].colour, int(Qt::green));
        QCOMPARE(noAlcohol[1].label, QStringLiteral("Fett"));
        QCOMPARE(noAlcohol[1].colour, int(Qt::red));
        QCOMPARE(noAlcohol[2].label, QStringLiteral("Kolh"));
        QCOMPARE(noAlcohol[2].colour, int(Qt::blue));
        const auto wine = EnergyPieSlices({1, 0, 13, 86});
        QCOMPARE(wine.size(), 4);
        QCOMPARE(wine[3].label, QStringLiteral("Alko"));
        QCOMPARE(wine[3].colour, int(Qt::yellow));
    }

    void per100gLines()
    {
        NutrientCatalogue catalogue;
        catalogue.DisplayName[19] = QStringLiteral("Protein g");
        catalogue.Decimals[19] = 1;
        catalogue.DisplayName[15] = QStringLiteral("Energi kJ");
        catalogue.Decimals[15] = 0;
        catalogue.DisplayName[33] = QStringLiteral("Vitamin B12 ug");
        catalogue.Decimals[33] = 2;
        FoodRecord food = makeFood(QStringLiteral("1"), QStringLiteral("Banan"), 1.2f, 0.3f, 20.1f);
        food.nutrients[Nutrient::index(33)] = -1; // unknown reads as 0
        NutrientSelection selection;
        selection.Selected.fill(false);
        selection.Selected[19] = true;
        selection.Selected[33] = true;
        QCOMPARE(FoodPer100gLines(food, catalogue, selection, false),
                 (QStringList{QStringLiteral("Banan"), QString(), QStringLiteral("Protein g 1.2"),
                              QStringLiteral("Vitamin B10.00")}));
        const QStringList all = FoodPer100gLines(food, catalogue, selection, true);
        QCOMPARE(all.size(), 2 + 72);
        QCOMPARE(all[2], QStringLiteral("Energi kJ ") + QString::number(double(food.nutrients[0]), 'f', 0));
    }

    void productInfoAddress_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("url");
        const QString dabas =
            ProductInfoHosts::dabas() + QStringLiteral("/PublicDb/PublicArticle.aspx?typ=PB&GTIN=");
        QTest::newRow("dab + 13 digits: one zero") << "dab7310350118123" << dabas + "07310350118123";
        QTest::newRow("dab + 14 digits: no zero") << "dab07310350118123" << dabas + "07310350118123";
        QTest::newRow("dab + 15 digits: no zero") << "dab123456789012345" << dabas + "123456789012345";
        QTest::newRow("dab + 8 digits: zeros to 14") << "dab73103501" << dabas + "00000073103501";
        QTest::newRow("national food")
            << "553"
            << ProductInfoHosts::foodAgency() +
                   QStringLiteral("/Naringssok/Naringsamnen.aspx?livsmedelsId=553");
        QTest::newRow("manufacturer with address") << "fab1"
                                                   << "http://www.example.se/produkt";
        QTest::newRow("manufacturer without address") << "fab2"
                                                      << "";
        QTest::newRow("own food") << "own1"
                                  << "";
        QTest::newRow("upper-case DAB is no Dabas code") << "DAB7310350118123"
                                                         << "";
        QTest::newRow("unknown code") << "nosuch"
                                      << "";
    }

    void productInfoAddress()
    {
        QFETCH(QString, code);
        QFETCH(QString, url);
        FakeFoodLookup foods;
        foods.add(FoodRegister::Brasol100,
                  makeFood(QStringLiteral("553"), QStringLiteral("Banan"), 1, 0, 20));
        FoodRecord withWww = makeFood(QStringLiteral("fab1"), QStringLiteral("Pralin"), 5, 30, 60);
        withWww.www = QStringLiteral("www.example.se/produkt");
        foods.add(FoodRegister::Fabrikant, withWww);
        foods.add(FoodRegister::Fabrikant,
                  makeFood(QStringLiteral("fab2"), QStringLiteral("Kola"), 1, 10, 80));
        foods.add(FoodRegister::Egna, makeFood(QStringLiteral("own1"), QStringLiteral("Eget"), 1, 1, 1));
        QCOMPARE(ProductInfoUrl(code, foods).toString(), url);
    }
};

QTEST_GUILESS_MAIN(TestFoodInfo)
#include "tst_foodinfo.moc"
