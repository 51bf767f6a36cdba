#include "food/NutrientCatalogue.h"
#include "support/TestSupport.h"

#include <QSet>
#include <QTest>

class TestNutrientCatalogue : public QObject {
    Q_OBJECT
private slots:
    void parsesNameUnitAndDecimals()
    {
        const auto c =
            ParseNutrientCatalogue({QStringLiteral("* kommentar"), QStringLiteral("16 kcal kcal,0"),
                                    QStringLiteral("36 J{rn mg,1"), QStringLiteral("19 Protein g,1")},
                                   QStringLiteral("nvnamn.txt"));
        QVERIFY2(c.ok(), qPrintable(c.message));
        QCOMPARE(c->ShortName[16], QStringLiteral("kcal"));
        QCOMPARE(c->UnitName[16], QStringLiteral("kc")); // the unit keeps two characters
        QCOMPARE(c->DisplayName[16], QStringLiteral("kcal kcal"));
        QCOMPARE(c->DisplayName[36], QStringLiteral("Järn mg")); // "{" is the 7-bit form of "ä"
        QCOMPARE(c->Decimals[36], 1);
        QCOMPARE(c->ShortName[19], QStringLiteral("Protein"));
        QVERIFY(c->ShortName[20].isEmpty()); // a slot no line names stays empty
    }

    void namesAreCutToTwelveCharacters()
    {
        const auto c =
            ParseNutrientCatalogue({QStringLiteral("42 Enkelomättadefett g,1")}, QStringLiteral("f"));
        QVERIFY(c.ok());
        QCOMPARE(c->ShortName[42], QStringLiteral("Enkelomättad"));
        QCOMPARE(c->DisplayName[42], QStringLiteral("Enkelomättad"));
    }

    void laterLineOverridesEarlier()
    {
        const auto c = ParseNutrientCatalogue({QStringLiteral("20 Fett g,1"), QStringLiteral("20 Lipid g,2")},
                                              QStringLiteral("f"));
        QVERIFY(c.ok());
        QCOMPARE(c->ShortName[20], QStringLiteral("Lipid"));
        QCOMPARE(c->Decimals[20], 2);
    }

    void commentLinesOnlyLeaveEveryNameEmpty()
    {
        const auto c =
            ParseNutrientCatalogue({QStringLiteral("* a"), QStringLiteral("*b")}, QStringLiteral("f"));
        QVERIFY(c.ok());
        for (int n = Nutrient::First; n <= Nutrient::Last; ++n)
            QVERIFY(c->DisplayName[n].isEmpty());
    }

    void badLinesNameFileAndLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("not a number") << "ab Fett g,1";
        QTest::newRow("one digit") << "5 Fett g,1";
        QTest::newRow("below 15") << "14 Avfall %,1";
        QTest::newRow("above 86") << "87 Extra4 -,1";
        QTest::newRow("no blank") << "20 Fett,1";
        QTest::newRow("no comma") << "20 Fett g";
        QTest::newRow("decimals not a digit") << "20 Fett g,x";
        QTest::newRow("empty line") << "";
    }
    void badLinesNameFileAndLine()
    {
        QFETCH(QString, line);
        const auto c =
            ParseNutrientCatalogue({QStringLiteral("* rubrik"), QStringLiteral("19 Protein g,1"), line},
                                   QStringLiteral("/prog/nvnamn.txt"));
        QVERIFY(!c.ok());
        QVERIFY(c.message.startsWith(QStringLiteral("Fel i namnfilen nvnamn.txt")));
        QVERIFY2(c.message.contains(QStringLiteral("/prog/nvnamn.txt, rad 3")), qPrintable(c.message));
    }

    void missingFileNamesTheFile()
    {
        TemporaryProgramFolder folder;
        folder.remove(QStringLiteral("nvnamn.txt"));
        const auto c = LoadNutrientCatalogue(folder.path());
        QVERIFY(!c.ok());
        QVERIFY(c.message.contains(QStringLiteral("nvnamn.txt")));
    }

    void deliveredFileNamesAll72Nutrients()
    {
        const auto c = LoadNutrientCatalogue(QStringLiteral(VELMORA_PROGRAM_DIR));
        QVERIFY2(c.ok(), qPrintable(c.message));
        QSet<QString> shortNames;
        for (int n = Nutrient::First; n <= Nutrient::Last; ++n) {
            QVERIFY2(!c->DisplayName[n].isEmpty(), qPrintable(QString::number(n)));
            QVERIFY(!c->UnitName[n].isEmpty());
            shortNames.insert(c->ShortName[n]);
        }
        QCOMPARE(shortNames.size(), 72); // every bar label tells its nutrient apart
        QCOMPARE(c->DisplayName[36], QStringLiteral("Järn mg"));
        QCOMPARE(c->UnitName[22], QStringLiteral("µg"));
    }
};

QTEST_GUILESS_MAIN(TestNutrientCatalogue)
#include "tst_nutrientcatalogue.moc"
