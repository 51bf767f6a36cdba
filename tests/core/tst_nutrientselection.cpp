#include "app/TextFile.h"
#include "norms/NutrientSelection.h"

#include <QTemporaryDir>
#include <QTest>

class TestNutrientSelection : public QObject {
    Q_OBJECT
private slots:
    void withoutAFileTheDefaultNineAreSelected()
    {
        QTemporaryDir dir;
        NutrientSelection s;
        LoadSelection(s, dir.filePath(QStringLiteral("saknas")));
        QCOMPARE(s.numbers(), (QList<int>{15, 16, 19, 20, 21, 28, 34, 36, 48}));
        QCOMPARE(s.SelectedCount(), 9);
        const QString path = dir.filePath(QStringLiteral("nvval.txt"));
        QVERIFY(SaveSelection(s, path));
        QCOMPARE(*TextFile::readLines(path),
                 (QStringList{"15", "16", "19", "20", "21", "28", "34", "36", "48"}));
    }

    void aBadLineKeepsTheNumbersBeforeItAndAddsTheDefault_data()
    {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("16 then text")
            << QStringList{"16", "abc", "50"} << QList<int>{15, 16, 19, 20, 21, 28, 34, 36, 48};
        QTest::newRow("77 then text")
            << QStringList{"77", "abc"} << QList<int>{15, 16, 19, 20, 21, 28, 34, 36, 48, 77};
        QTest::newRow("a good file") << QStringList{"16", "50", "86", "90", "18", "3"}
                                     << QList<int>{16, 50, 86};
    }
    void aBadLineKeepsTheNumbersBeforeItAndAddsTheDefault()
    {
        QFETCH(QStringList, file);
        QFETCH(QList<int>, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.nvval"));
        TextFile::writeLines(path, file);
        NutrientSelection s;
        LoadSelection(s, path);
        QCOMPARE(s.numbers(), expected);
    }

    void theProgramFileIsNamedByAppendingToTheInitialDirectory()
    {
        QCOMPARE(ProgramSelectionFile(QStringLiteral(".")), QStringLiteral(".nvval.txt"));
        QCOMPARE(ProgramSelectionFile(QStringLiteral("C:\\data\\")), QStringLiteral("C:\\data\\nvval.txt"));
    }
};

QTEST_GUILESS_MAIN(TestNutrientSelection)
#include "tst_nutrientselection.moc"
