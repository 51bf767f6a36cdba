#include "food/SwedishOrder.h"

#include <QTest>
#include <algorithm>

class TestSwedishOrder : public QObject {
    Q_OBJECT
private slots:
    void lettersAfterZInSwedishOrder()
    {
        QStringList names = {QStringLiteral("Ört"),      QStringLiteral("ägg"),     QStringLiteral("Ål"),
                             QStringLiteral("zucchini"), QStringLiteral("Apelsin"), QStringLiteral("äpple"),
                             QStringLiteral("banan"),    QStringLiteral("Örtte")};
        std::sort(names.begin(), names.end(), SwedishLess);
        QCOMPARE(names, QStringList({"Apelsin", "banan", "zucchini", "Ål", "ägg", "äpple", "Ört", "Örtte"}));
    }

    void caseDoesNotSeparateNames()
    {
        QVERIFY(SwedishLess(QStringLiteral("mjölk"), QStringLiteral("MJÖLKCHOKLAD")));
        QVERIFY(SwedishLess(QStringLiteral("Mjöl"), QStringLiteral("mjölk")));
        QVERIFY(SwedishCompare(QStringLiteral("Ost"), QStringLiteral("ost")) != 0); // still a total order
    }

    void accentsSortWithTheirBaseLetter()
    {
        QVERIFY(SwedishLess(QStringLiteral("Crème fraiche"), QStringLiteral("Cricket")));
        QVERIFY(SwedishLess(QStringLiteral("Müsli"), QStringLiteral("Mz"))); // ü as y
        QVERIFY(SwedishLess(QStringLiteral("Mx"), QStringLiteral("Müsli")));
        QVERIFY(SwedishLess(QStringLiteral("10 st"), QStringLiteral("Abborre")));
    }
};

QTEST_GUILESS_MAIN(TestSwedishOrder)
#include "tst_swedishorder.moc"
