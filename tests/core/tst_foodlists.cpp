#include "app/ProgramState.h"
#include "app/TextFile.h"
#include "files/FoodLists.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void fill(ProgramState &s, int day, int meal, int row, const QString &code)
{
    MealRow &r = s.computation->row(day, meal, row);
    r.code.assign(code);
    r.name.assign(QStringLiteral("Mat ") + code);
    r.grams = 100;
}

QString codeAt(const ProgramState &s, int day, int meal, int row)
{
    return s.computation->row(day, meal, row).code.toString();
}

QString twinOf(const QString &name)
{
    return name + QStringLiteral("{") + name.toLower() + QStringLiteral("}100@g");
}

} // namespace

class TestFoodLists : public QObject {
    Q_OBJECT
private slots:
    void aPastedMealFollowsTheFilledRowsAndEmptiesTheRest()
    {
        ProgramState s;
        for (int r = 1; r <= 3; ++r)
            fill(s, 0, 0, r, QStringLiteral("10%1").arg(r));
        QVERIFY(!FoodLists::PasteMeal(s));
        FoodLists::CopyMeal(s);
        s.computation->CurrentMeal = 1;
        fill(s, 0, 1, 1, QStringLiteral("201"));
        fill(s, 0, 1, 2, QStringLiteral("202"));
        fill(s, 0, 1, 7, QStringLiteral("207")); // beyond the first empty row: overwritten
        QVERIFY(FoodLists::PasteMeal(s));
        QCOMPARE(codeAt(s, 0, 1, 2), QStringLiteral("202"));
        QCOMPARE(codeAt(s, 0, 1, 3), QStringLiteral("101"));
        QCOMPARE(codeAt(s, 0, 1, 5), QStringLiteral("103"));
        QCOMPARE(codeAt(s, 0, 1, 6), QStringLiteral("0"));
        QCOMPARE(codeAt(s, 0, 1, 7), QStringLiteral("0"));
        QVERIFY(s.app.ComputationChanged);
        // The undo snapshot holds the meal as it was.
        QCOMPARE(s.computation->UndoSnapshot[0][1][7].code.toString(), QStringLiteral("207"));
    }

    void pastingIntoAFullMealOverwritesTheLastRow()
    {
        ProgramState s;
        fill(s, 0, 0, 1, QStringLiteral("101"));
        FoodLists::CopyMeal(s);
        s.computation->CurrentMeal = 2;
        for (int r = 1; r <= 199; ++r)
            fill(s, 0, 2, r, QStringLiteral("9"));
        FoodLists::PasteMeal(s);
        QCOMPARE(codeAt(s, 0, 2, 198), QStringLiteral("9"));
        QCOMPARE(codeAt(s, 0, 2, 199), QStringLiteral("101"));
    }

    void aDayIsCopiedWhole()
    {
        ProgramState s;
        fill(s, 0, 0, 1, QStringLiteral("101"));
        fill(s, 0, 8, 4, QStringLiteral("108"));
        QVERIFY(!FoodLists::DayClipboardFull(s));
        FoodLists::CopyDay(s);
        s.computation->CurrentDay = 5;
        fill(s, 5, 3, 1, QStringLiteral("555"));
        FoodLists::PasteDay(s);
        QCOMPARE(codeAt(s, 5, 0, 1), QStringLiteral("101"));
        QCOMPARE(codeAt(s, 5, 8, 4), QStringLiteral("108"));
        QCOMPARE(codeAt(s, 5, 3, 1), QStringLiteral("0"));
        QCOMPARE(codeAt(s, 0, 0, 1), QStringLiteral("101"));
    }

    void recentFoodsKeepTheLast40ByName()
    {
        ProgramState s;
        s.computation->CurrentMeal = 1;
        for (int i = 0; i < 41; ++i) {
            const QString name = QStringLiteral("Mat %1").arg(i, 2, 10, QLatin1Char('0'));
            FoodLists::RememberFood(s, name, twinOf(name));
        }
        FoodLists::RememberFood(s, QStringLiteral("Mat 05"), twinOf(QStringLiteral("Mat 05")));
        QCOMPARE(s.recent.all.count(), 40);
        QCOMPARE(s.recent.all.shown.first(), QStringLiteral("Mat 01"));
        QCOMPARE(s.recent.lunch.count(), 40);
        QCOMPARE(s.recent.all.twins.first(), twinOf(QStringLiteral("Mat 01")));
        QVERIFY(s.recent.breakfast.shown.isEmpty());
    }

    void favouritesAreKeptOnceAndSurviveARestart()
    {
        QTemporaryDir dir;
        ProgramState s;
        QVERIFY(FoodLists::AddFavourite(s, QStringLiteral("Äpple"), twinOf(QStringLiteral("Äpple"))));
        QVERIFY(FoodLists::AddFavourite(s, QStringLiteral("Banan"), twinOf(QStringLiteral("Banan"))));
        QVERIFY(!FoodLists::AddFavourite(s, QStringLiteral("Banan"), twinOf(QStringLiteral("Banan"))));
        QCOMPARE(s.files.favourites.shown, (QStringList{"Banan", "Äpple"}));
        s.files.EarlierComputations = {QStringLiteral("/a/b.diet")};
        FoodLists::StoreLists(s, dir.path());

        ProgramState again;
        FoodLists::LoadLists(again, dir.path());
        QCOMPARE(again.files.favourites.shown, s.files.favourites.shown);
        QCOMPARE(again.files.favourites.twins, s.files.favourites.twins);
        QCOMPARE(again.files.EarlierComputations, QStringList{"/a/b.diet"});

        // Removing the last favourite and closing leaves the file as it was.
        FoodLists::RemoveFavourite(again, 0);
        FoodLists::RemoveFavourite(again, 0);
        FoodLists::StoreLists(again, dir.path());
        ProgramState third;
        FoodLists::LoadLists(third, dir.path());
        QCOMPARE(third.files.favourites.count(), 2);
    }

    void theListsAreReadFromTheProgramFolder()
    {
        QTemporaryDir dir;
        TextFile::writeLines(dir.filePath(QStringLiteral("senaste.txt")), {"Gröt", "Gröt{12}250@port", "Te"});
        QStringList earlier;
        for (int i = 0; i < 60; ++i)
            earlier << QStringLiteral("/f%1.diet").arg(i);
        TextFile::writeLines(dir.filePath(QStringLiteral("senastefiler.txt")), earlier);
        ProgramState s;
        FoodLists::LoadLists(s, dir.path());
        QCOMPARE(s.recent.all.shown, QStringList{"Gröt"}); // the unpaired last line is dropped
        QCOMPARE(s.files.EarlierComputations.size(), 60);
        FoodLists::StoreLists(s, dir.path());
        QCOMPARE(TextFile::readLines(dir.filePath(QStringLiteral("senastefiler.txt")))->size(), 51);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("senasteFiler.txt"))));
    }
};

QTEST_GUILESS_MAIN(TestFoodLists)
#include "tst_foodlists.moc"
