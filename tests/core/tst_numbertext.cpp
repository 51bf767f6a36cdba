#include "app/NumberText.h"

#include <QTest>

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void textToNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("expected");
        QTest::newRow("comma") << "12,5" << 12.5f;
        QTest::newRow("point") << "12.5" << 12.5f;
        QTest::newRow("blank-led comma") << "   0,25" << 0.25f;
        QTest::newRow("unit behind") << "12,5 g" << 0.0f;
        QTest::newRow("trailing blank") << "12 " << 0.0f;
        QTest::newRow("thousands separator") << "1,000.5" << 0.0f;
        QTest::newRow("two commas") << "2,5,1" << 0.0f;
        QTest::newRow("empty") << "" << 0.0f;
        QTest::newRow("blanks only") << "   " << 0.0f;
        QTest::newRow("letters") << "abc" << 0.0f;
        QTest::newRow("exponent") << "1,5e2" << 150.0f;
        QTest::newRow("negative exponent") << "25E-1" << 2.5f;
        QTest::newRow("bare exponent") << "1e" << 0.0f;
        QTest::newRow("negative") << "-3,5" << -3.5f;
        QTest::newRow("plus sign") << "+4" << 4.0f;
        QTest::newRow("leading point") << ".5" << 0.5f;
        QTest::newRow("trailing comma") << "7," << 7.0f;
        QTest::newRow("sign only") << "-" << 0.0f;
        QTest::newRow("tab is not a blank") << "\t5" << 0.0f;
    }
    void textToNumber()
    {
        QFETCH(QString, text);
        QFETCH(float, expected);
        QCOMPARE(TextToNumber(text), expected);
    }

    void pointToComma_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("decimal") << "  12.50"
                                 << "12,50";
        QTest::newRow("only first point") << "1.2.3"
                                          << "1,2.3";
        QTest::newRow("integer") << "  7"
                                 << "7";
    }
    void pointToComma()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(PointToComma(text), expected);
    }

    void fixedNumberIsRightAlignedWithDecimalPoint()
    {
        QCOMPARE(FixedNumber(12.345, 8, 2), QStringLiteral("   12.35"));
        QCOMPARE(FixedNumber(250, 6, 1), QStringLiteral(" 250.0"));
        QCOMPARE(FixedNumber(123456.0, 3, 0), QStringLiteral("123456"));
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
