#include "app/StartupConfig.h"
#include "support/TestSupport.h"

#include <QTest>

class TestStartupConfig : public QObject {
    Q_OBJECT
private slots:
    void countryLetters_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("shortName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("S") << QStringList{"S"} << "S"
                           << "Frukost"
                           << "Frukost" << false;
        QTest::newRow("d lower case") << QStringList{"d"} << "D"
                                      << "M-mad"
                                      << "Morgenmad" << false;
        QTest::newRow("E") << QStringList{"E", "ignored"} << "E"
                           << "B-fast"
                           << "BreakFast" << false;
        QTest::newRow("x hides the country controls") << QStringList{"x"} << "X"
                                                      << "Frukost"
                                                      << "Frukost" << true;
        QTest::newRow("other letter") << QStringList{"q"} << "Q"
                                      << ""
                                      << "" << false;
        QTest::newRow("missing file") << QStringList{} << "S"
                                      << ""
                                      << "" << false;
    }
    void countryLetters()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, code);
        QFETCH(QString, shortName);
        QFETCH(QString, title);
        QFETCH(bool, hidden);
        TemporaryProgramFolder folder;
        folder.remove(QStringLiteral("country.txt"));
        if (!lines.isEmpty())
            folder.writeText(QStringLiteral("country.txt"), lines);
        AppState state;
        ReadCountryFile(folder.path(), state);
        QCOMPARE(state.CountryCode, code);
        QCOMPARE(state.BreakfastShortName, shortName);
        QCOMPARE(state.CurrentMealTitle, title);
        QCOMPARE(state.CountryControlsHidden, hidden);
    }

    void password_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing file") << QStringList{} << false << "TOVALKE";
        QTest::newRow("comment then password") << QStringList{"* kommentar", "HEMLIG"} << true << "HEMLIG";
        QTest::newRow("only comments") << QStringList{"* a", "*b"} << true << "TOVALKE";
        QTest::newRow("last line wins") << QStringList{"ETT", "* x", "TVA"} << true << "TVA";
        QTest::newRow("blank line is no password") << QStringList{"ETT", ""} << true << "ETT";
        QTest::newRow("empty file") << QStringList{} << true << "TOVALKE";
    }
    void password()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, exists);
        QFETCH(QString, expected);
        TemporaryProgramFolder folder;
        if (exists)
            folder.writeText(QStringLiteral("losenord.txt"), lines);
        AppState state;
        state.EditLockPassword = QStringLiteral("LEFTOVER");
        ReadPasswordFile(folder.path(), state);
        QCOMPARE(state.EditLockPassword, expected);
    }

    void initialDirectory()
    {
        TemporaryProgramFolder folder;
        AppState state;
        ReadInitialDirectoryFile(folder.path(), state);
        QCOMPARE(state.InitialDirectory, QStringLiteral("."));
        folder.writeText(QStringLiteral("initdir.txt"),
                         {QStringLiteral("/home/kost/beräkningar"), QStringLiteral("x")});
        ReadInitialDirectoryFile(folder.path(), state);
        QCOMPARE(state.InitialDirectory, QStringLiteral("/home/kost/beräkningar"));
        folder.writeText(QStringLiteral("initdir.txt"), {QString()});
        ReadInitialDirectoryFile(folder.path(), state);
        QCOMPARE(state.InitialDirectory, QString());
    }
};

QTEST_GUILESS_MAIN(TestStartupConfig)
#include "tst_startupconfig.moc"
