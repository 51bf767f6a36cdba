#include "app/ProgramState.h"
#include "app/TextFile.h"
#include "calc/Recalculate.h"
#include "calc/TimeSlot.h"
#include "files/ComputationFile.h"
#include "files/ComputationFiles.h"
#include "support/FakeFoodLookup.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {

FoodRecord nationalMilk()
{
    FoodRecord f = makeFood(QStringLiteral("101"), QStringLiteral("Mjölk fett 3%"), 3.4f, 3.0f, 4.8f, 200,
                            QStringLiteral("glas"));
    f.unitNames = {QStringLiteral("dl"), QStringLiteral("msk"), QString(), QString()};
    f.unitGrams = {100, 15, 0, 0};
    f.kgPrice = 12.5f;
    return f;
}

// A program state with a few foods in the registers.
struct Fixture {
    FakeFoodLookup foods;
    ProgramState state;
    QTemporaryDir dir;

    Fixture()
    {
        foods.add(FoodRegister::Brasol100, nationalMilk());
        foods.add(FoodRegister::Brasol100, makeFood(QStringLiteral("2208"), QStringLiteral("Bröd"), 9, 4, 45,
                                                    30, QStringLiteral("skiva")));
        foods.add(FoodRegister::Brasol2005, makeFood(QStringLiteral("777"), QStringLiteral("Gammal ost"), 25,
                                                     28, 0, 20, QStringLiteral("skiva")));
        foods.add(FoodRegister::Fabrikant, makeFood(QStringLiteral("F12"), QStringLiteral("Fabriksbar"), 5,
                                                    10, 60, 50, QStringLiteral("bar")));
        foods.addArticleNumber(QStringLiteral("A-5550"), QStringLiteral("2208"));
        state.foods = &foods;
    }
    QString path(const QString &name) const { return dir.filePath(name); }

    MealRow &put(int day, int meal, int row, const QString &code, float grams, float portion,
                 const QString &unit, const QString &time = {})
    {
        MealRow &r = state.computation->row(day, meal, row);
        auto found = foods.FindFood(code, LookupChain::OpenComputation);
        r.code.assign(code);
        r.name.assign(found ? found->record.name : code);
        if (found) {
            r.nutrients = found->record.nutrients;
            r.kgPrice = found->record.kgPrice;
        }
        r.unitText.assign(unit);
        r.portionGrams = portion;
        r.grams = grams;
        r.timeText.assign(time);
        r.timeSlot = TimeToSlot(time);
        return r;
    }
    ComputationFiles::OpenOutcome reopen(const QString &file)
    {
        ClearComputation(*state.computation, true);
        return ComputationFiles::Open(state, file);
    }
    const MealRow &row(int day, int meal, int r) const { return state.computation->row(day, meal, r); }
};

QStringList readAll(const QString &path)
{
    auto lines = TextFile::readLines(path);
    return lines ? *lines : QStringList();
}

// A current-layout file with the given food lines in day 1, breakfast, and the rest empty.
QStringList fileWith(const QStringList &breakfast)
{
    QStringList lines{QStringLiteral("199"), QStringLiteral("2026-01-01"), QStringLiteral("flera maltider")};
    for (int i = 0; i < 9; ++i)
        lines << QStringLiteral("reserv");
    lines << breakfast;
    for (int d = 0; d < 21; ++d)
        for (int m = 0; m < 9; ++m)
            if (d || m)
                lines << QStringLiteral("*%1/%2").arg(d).arg(m);
    lines.insert(12 + breakfast.size(), QStringLiteral("*0/0"));
    lines.removeAll(QString()); // keeps the helper's sequence simple
    return lines;
}

} // namespace

class TestComputationFile : public QObject {
    Q_OBJECT
private slots:
    void saveThenOpenGivesTheSameRows()
    {
        Fixture f;
        f.put(0, 0, 1, QStringLiteral("101"), 250, 200, QStringLiteral("dl"), QStringLiteral("08:30"));
        f.put(0, 0, 2, QStringLiteral("2208"), 20, 30, QStringLiteral("skiva"));
        f.put(3, 2, 1, QStringLiteral("F12"), 50, 50, QStringLiteral("bar"));
        f.put(20, 8, 1, QStringLiteral("Egen sallad: grönsaker"), 120, 60, QStringLiteral("port"),
              QStringLiteral("7,45"));
        f.state.settings.WholeDayMode = true;
        f.state.app.ComputationChanged = true;
        const auto saved = ComputationFiles::Save(f.state, f.path(QStringLiteral("vecka.txt")),
                                                  QStringLiteral("2026-12-11"));
        QVERIFY(saved.saved);
        QVERIFY(saved.messages.isEmpty());
        QCOMPARE(saved.fileName, f.path(QStringLiteral("vecka.diet")));
        QVERIFY(!f.state.app.ComputationChanged);
        const auto before = std::make_unique<RowSet>(f.state.computation->Rows);

        f.state.settings.WholeDayMode = false;
        const auto opened = f.reopen(saved.fileName);
        QVERIFY2(opened.opened, qPrintable(opened.messages.join(u'\n')));
        QCOMPARE(opened.dateText, QStringLiteral("2026-12-11"));
        QVERIFY(f.state.settings.WholeDayMode);
        for (int d = 0; d < 21; ++d)
            for (int m = 0; m < 9; ++m)
                for (int r = 1; r <= 199; ++r) {
                    const MealRow &a = (*before)[d][m][r];
                    const MealRow &b = f.row(d, m, r);
                    QCOMPARE(b.code.toString(), a.code.toString());
                    if (a.isEmpty())
                        continue;
                    QCOMPARE(b.name.toString(), a.name.toString());
                    QCOMPARE(b.unitText.toString(), a.unitText.toString());
                    QCOMPARE(b.grams, a.grams);
                    QCOMPARE(b.portionGrams, a.portionGrams);
                    QCOMPARE(b.timeText.toString(), a.timeText.toString());
                    QCOMPARE(b.timeSlot, a.timeSlot);
                    QCOMPARE(b.nutrients, a.nutrients);
                }
        QCOMPARE(f.row(0, 0, 1).timeSlot, 34);
        QCOMPARE(f.row(20, 8, 1).timeSlot, 31);
        QCOMPARE(f.row(0, 0, 1).unitName1.toString(), QStringLiteral("dl"));
        QCOMPARE(f.row(0, 0, 1).kgPrice, 12.5f);
    }

    void saveThenOpenGivesTheSameSums()
    {
        Fixture f;
        f.put(0, 0, 1, QStringLiteral("101"), 250, 200, QStringLiteral("dl"));
        f.put(0, 2, 1, QStringLiteral("2208"), 60, 30, QStringLiteral("skiva"));
        f.put(6, 4, 1, QStringLiteral("777"), 20, 20, QStringLiteral("skiva"));
        f.put(6, 4, 2, QStringLiteral("F12"), 50, 50, QStringLiteral("bar"));
        Recalculate(f.state);
        const auto days = f.state.results->DaySums;
        const auto average = f.state.results->PeriodAverage;
        const QString file =
            ComputationFiles::Save(f.state, f.path(QStringLiteral("s")), QStringLiteral("x")).fileName;
        QVERIFY(f.reopen(file).opened);
        Recalculate(f.state);
        QCOMPARE(f.state.results->DaySums, days);
        QCOMPARE(f.state.results->PeriodAverage, average);
        QCOMPARE(f.state.results->IncludedEatenDays, 2);
    }

    void aFreeTextBeginningWithAStarKeepsTheMealsInPlace()
    {
        Fixture f;
        f.put(0, 0, 1, QStringLiteral("*Soppa: hemlagad"), 300, 300, QStringLiteral("tallrik"));
        f.put(0, 1, 1, QStringLiteral("101"), 200, 200, QStringLiteral("glas"));
        f.state.computation->DayNames[0] = QStringLiteral("Måndag\nmed fest");
        f.state.files.DayNamesSet = true;
        const QString file =
            ComputationFiles::Save(f.state, f.path(QStringLiteral("stj")), QStringLiteral("x")).fileName;
        QVERIFY(f.reopen(file).opened);
        QCOMPARE(f.row(0, 0, 1).code.toString(), QStringLiteral("*Soppa: hemlagad"));
        QCOMPARE(f.row(0, 0, 1).name.toString(), QStringLiteral("*Soppa: hemlagad"));
        QCOMPARE(f.row(0, 1, 1).code.toString(), QStringLiteral("101"));
        QCOMPARE(f.state.computation->DayNames[0], QStringLiteral("Måndag med fest"));
        QCOMPARE(f.state.computation->DayNames[1], DefaultDayName(1));
    }

    void theFileLooksAsDocumented()
    {
        Fixture f;
        f.put(0, 0, 1, QStringLiteral("101"), 250, 250, QStringLiteral("port"), QStringLiteral("08:30"));
        f.put(0, 0, 2, QStringLiteral("2208"), 20, 12.6f, QStringLiteral("skiva"));
        const QStringList lines =
            ComputationFile::Lines(*f.state.computation, false, f.state.diabetes, QStringLiteral("d"));
        QCOMPARE(lines.mid(0, 4), (QStringList{"199", "d", "flera maltider", "reserv"}));
        QCOMPARE(lines.mid(12, 6),
                 (QStringList{"101", "250.0/250@port&08:30", "2208", "20.0/13@skiva", "*0/0", "*0/1"}));
        QVERIFY(lines.contains(QStringLiteral("*20/8")));
    }

    void anEmptyComputationHasAllTerminatorsAndNoGlucoseLines()
    {
        Fixture f;
        const QStringList lines =
            ComputationFile::Lines(*f.state.computation, false, f.state.diabetes, QStringLiteral("d"));
        QCOMPARE(lines.size(), 12 + 189 + 10 + 24);
        int terminators = 0;
        for (const QString &l : lines)
            terminators += QRegularExpression(QStringLiteral("^\\*\\d+/\\d+$")).match(l).hasMatch() ? 1 : 0;
        QCOMPARE(terminators, 189);
        QCOMPARE(lines[12 + 189], QStringLiteral("*kolhydratkvotmaltid/1//"));
        QCOMPARE(lines.last(), QStringLiteral("*kolhkvot/24//"));
        QVERIFY(!lines.join(u'|').contains(QStringLiteral("glukos")));
    }

    void diabetesLinesSurviveAndDoNotShiftMeals()
    {
        Fixture f;
        f.state.diabetes.glucose[2][1] = {QStringLiteral("07:00"), QStringLiteral("5,4")};
        f.state.diabetes.glucose[2][2] = {QStringLiteral("12:00"), QStringLiteral("7,1")};
        f.state.diabetes.insulin[0][1] = {QStringLiteral("07:05"), QStringLiteral("4")};
        f.state.diabetes.carbohydrateRatio[3] = QStringLiteral("12");
        f.state.diabetes.carbohydrateFactor[24] = QStringLiteral("9");
        f.put(1, 1, 1, QStringLiteral("101"), 200, 200, QStringLiteral("glas"));
        const auto saved =
            ComputationFiles::Save(f.state, f.path(QStringLiteral("d.diet")), QStringLiteral("x"));
        f.state.diabetes.clear();
        QVERIFY(f.reopen(saved.fileName).opened);
        QCOMPARE(f.state.diabetes.glucose[2][2].value, QStringLiteral("7,1"));
        QCOMPARE(f.state.diabetes.insulin[0][1].clock, QStringLiteral("07:05"));
        QCOMPARE(f.state.diabetes.carbohydrateRatio[3], QStringLiteral("12"));
        QCOMPARE(f.state.diabetes.carbohydrateFactor[24], QStringLiteral("9"));
        QCOMPARE(f.row(1, 1, 1).code.toString(), QStringLiteral("101"));
    }

    void unitsComeFromTheFileForNationalFoodsOnly()
    {
        Fixture f;
        f.put(0, 1, 1, QStringLiteral("101"), 300, 12.6f, QStringLiteral("dl"));
        f.put(0, 1, 2, QStringLiteral("F12"), 100, 80, QStringLiteral("låda"));
        const auto saved =
            ComputationFiles::Save(f.state, f.path(QStringLiteral("u.diet")), QStringLiteral("x"));
        QVERIFY(f.reopen(saved.fileName).opened);
        QCOMPARE(f.row(0, 1, 1).unitText.toString(), QStringLiteral("dl"));
        QCOMPARE(f.row(0, 1, 1).portionGrams, 13.0f);
        QCOMPARE(f.row(0, 1, 2).unitText.toString(), QStringLiteral("bar"));
        QCOMPARE(f.row(0, 1, 2).portionGrams, 50.0f);
        QCOMPARE(f.row(0, 1, 2).unitName1.toString(), QString());
    }

    void codesAreFoundThroughArticleNumbersAndTheOlderNationalTable()
    {
        Fixture f;
        const QString file = f.path(QStringLiteral("a.diet"));
        TextFile::writeLines(file,
                             fileWith({"A-5550", "60.0/30@skiva", "777", "40/20@skiva", "999", "10/10@g", "0",
                                       "5/5@g", "Fri text: soppa", "300/300@tallrik&12"}));
        const auto opened = f.reopen(file);
        QVERIFY2(opened.opened, qPrintable(opened.messages.join(u'\n')));
        QCOMPARE(f.row(0, 0, 1).code.toString(), QStringLiteral("2208"));
        QCOMPARE(f.row(0, 0, 1).name.toString(), QStringLiteral("Bröd"));
        QCOMPARE(f.row(0, 0, 2).name.toString(), QStringLiteral("Gammal ost"));
        QCOMPARE(f.row(0, 0, 2).grams, 40.0f);
        QVERIFY(f.row(0, 0, 3).isEmpty()); // removed from the registers: an empty row at its place
        QVERIFY(f.row(0, 0, 4).isEmpty());
        QCOMPARE(f.row(0, 0, 5).name.toString(), QStringLiteral("Fri text: soppa"));
        QCOMPARE(f.row(0, 0, 5).code.toString(), QStringLiteral("Fri text: soppa"));
        QCOMPARE(f.row(0, 0, 5).grams, 300.0f);
        QCOMPARE(f.row(0, 0, 5).timeSlot, 48);
    }

    void theOldestLayoutIsRead()
    {
        Fixture f;
        QStringList lines;
        for (int d = 0; d < 21; ++d)
            for (int m = 0; m < 9; ++m)
                for (int r = 1; r <= 30; ++r) {
                    if (d == 0 && m == 0 && r == 2) {
                        lines << "101"
                              << "150";
                    } else if (d == 1 && m == 2 && r == 1) {
                        lines << "4711"
                              << "10";
                    } else if (d == 1 && m == 2 && r == 3) {
                        lines << "777"
                              << "10"; // the older national table is not in this chain
                    } else {
                        lines << "0"
                              << "0";
                    }
                }
        const QString file = f.path(QStringLiteral("gammal.diet"));
        TextFile::writeLines(file, lines);
        const auto opened = f.reopen(file);
        QVERIFY(opened.opened);
        QVERIFY(opened.oldLayout);
        QCOMPARE(f.row(0, 0, 2).name.toString(), QStringLiteral("Mjölk fett 3%"));
        QCOMPARE(f.row(0, 0, 2).grams, 150.0f);
        QCOMPARE(f.row(0, 0, 2).unitText.toString(), QStringLiteral("glas"));
        QCOMPARE(f.row(0, 0, 2).nutrients[Nutrient::index(28)], 0.0f); // unknown counts as 0 here
        QCOMPARE(opened.missingFoods, (QStringList{"dag=2 maltid=3 rad=1 Livsmedel med nr 4711 finns ej.",
                                                   "dag=2 maltid=3 rad=3 Livsmedel med nr 777 finns ej."}));
    }

    void malformedFilesEndInAMessageAndKeepWhatWasRead_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("rowsKept");
        QStringList tooMany;
        for (int i = 0; i < 205; ++i)
            tooMany << "101"
                    << "10/10@g";
        QTest::newRow("more than 199 in a meal") << fileWith(tooMany) << 199;
        QStringList afterLastDay = fileWith({"101", "10/10@g"});
        afterLastDay << "2208"
                     << "10/10@g";
        QTest::newRow("food after day 21") << afterLastDay << 1;
        QTest::newRow("truncated in the header") << QStringList{"199", "x", "flera maltider", "reserv"} << 0;
        QStringList truncated = fileWith({"101", "10/10@g", "2208", "20/20@g"}).mid(0, 40);
        QTest::newRow("truncated in the meals") << truncated << 2;
        QStringList codeWithoutAmounts = fileWith({}).mid(0, 14);
        codeWithoutAmounts << "101";
        QTest::newRow("code without amounts") << codeWithoutAmounts << 0;
        QStringList garbage =
            fileWith({"101", "10/10@g", QString::fromLatin1("\x01\x02\x7f\x03garbage"), "x"});
        QTest::newRow("binary garbage") << garbage << 1;
        QStringList overlong = fileWith({"101", "10/10@g", QString(100000, u'9'), "10/10@g"});
        QTest::newRow("overlong line") << overlong << 1;
        QTest::newRow("not a number first") << QStringList{"PK\x03\x04", "x"} << 0;
        QTest::newRow("empty file") << QStringList{} << 0;
        QStringList oldShort{"0", "0", "101", "10"};
        QTest::newRow("oldest layout truncated") << oldShort << 1;
    }
    void malformedFilesEndInAMessageAndKeepWhatWasRead()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, rowsKept);
        Fixture f;
        const QString file = f.path(QStringLiteral("bad.diet"));
        TextFile::writeLines(file, lines);
        const auto opened = f.reopen(file);
        QVERIFY(!opened.opened);
        QCOMPARE(opened.messages.size(), 1);
        QVERIFY2(opened.messages.first().startsWith(QStringLiteral("Kan ej öppna beräkningen")),
                 qPrintable(opened.messages.first()));
        int filled = 0;
        for (const auto &day : f.state.computation->Rows)
            for (const auto &meal : day)
                for (int r = 1; r <= 199; ++r)
                    filled += meal[r].isEmpty() ? 0 : 1;
        QCOMPARE(filled, rowsKept);
    }

    void aFailedSaveKeepsTheOldFile()
    {
        Fixture f;
        f.put(0, 0, 1, QStringLiteral("101"), 250, 200, QStringLiteral("glas"));
        const QString file = f.path(QStringLiteral("full.diet"));
        QVERIFY(ComputationFiles::Save(f.state, file, QStringLiteral("första")).saved);
        const QByteArray old = [&] {
            QFile in(file);
            in.open(QIODevice::ReadOnly);
            return in.readAll();
        }();

        for (int r = 1; r <= 199; ++r)
            f.put(5, 5, r, QStringLiteral("2208"), 20, 30, QStringLiteral("skiva"));
        // A disk that fills up half-way through the write: files may grow to 4 kB only.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const auto outcome = ComputationFiles::Save(f.state, file, QStringLiteral("andra"));
        setrlimit(RLIMIT_FSIZE, &saved);

        QVERIFY(!outcome.saved);
        QVERIFY(outcome.messages.contains(QStringLiteral("Kan ej spara beräkningen")));
        QFile in(file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QCOMPARE(in.readAll(), old);
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files).filter(QStringLiteral("full.diet")).size(), 1);
    }

    void theSameFileOpenedTwiceIsListedOnceAtTheTop()
    {
        Fixture f;
        const QString a =
            ComputationFiles::Save(f.state, f.path(QStringLiteral("a")), QStringLiteral("x")).fileName;
        const QString b =
            ComputationFiles::Save(f.state, f.path(QStringLiteral("b")), QStringLiteral("x")).fileName;
        QCOMPARE(f.state.files.EarlierComputations, (QStringList{b, a}));
        f.reopen(a);
        f.reopen(a);
        QCOMPARE(f.state.files.EarlierComputations, (QStringList{a, b}));
    }

    void companionFilesAreWrittenAndRead()
    {
        Fixture f;
        f.state.computation->InfoText = QStringLiteral("Rad ett\nRad två");
        f.state.computation->DayNames[2] = QStringLiteral("Lördag");
        f.state.files.DayNamesSet = true;
        f.state.norm.values[Nutrient::index(Nutrient::Protein)] = 75;
        f.state.norm.NormCaption = QStringLiteral("Norm: test");
        const QString file =
            ComputationFiles::Save(f.state, f.path(QStringLiteral("k.diet")), QStringLiteral("x")).fileName;
        QVERIFY(QFileInfo::exists(f.path(QStringLiteral("k.txt"))));
        QVERIFY(QFileInfo::exists(f.path(QStringLiteral("k.dnamn"))));
        QVERIFY(QFileInfo::exists(f.path(QStringLiteral("k.norm"))));
        f.state.norm.values.fill(100);
        f.state.norm.NormCaption.clear();
        f.reopen(file);
        QCOMPARE(f.state.computation->InfoText, QStringLiteral("Rad ett\nRad två"));
        QCOMPARE(f.state.computation->DayNames[2], QStringLiteral("Lördag"));
        QCOMPARE(f.state.norm.values[Nutrient::index(Nutrient::Protein)], 75.0f);
        QCOMPARE(f.state.norm.NormCaption, QStringLiteral("Norm: test"));

        const auto removed = ComputationFiles::Delete(file);
        QVERIFY(removed.ok());
        QCOMPARE(*removed, file + QStringLiteral(" borttagen"));
        QVERIFY(!QFileInfo::exists(file));
        QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("k.norm"))));
        QVERIFY(QFileInfo::exists(f.path(QStringLiteral("k.dnamn")))); // kept, as always
    }

    void mealTypeListsAreBuiltFromAnOpenedComputation()
    {
        Fixture f;
        f.put(0, 1, 1, QStringLiteral("101"), 200, 200, QStringLiteral("glas"));
        f.put(4, 1, 3, QStringLiteral("2208"), 30, 30, QStringLiteral("skiva"));
        f.put(6, 1, 1, QStringLiteral("101"), 100, 200, QStringLiteral("glas"));
        f.put(2, 5, 1, QStringLiteral("F12"), 50, 50, QStringLiteral("bar"));
        const QString file =
            ComputationFiles::Save(f.state, f.path(QStringLiteral("m")), QStringLiteral("x")).fileName;
        f.reopen(file);
        ComputationFiles::RebuildMealTypeLists(f.state);
        QCOMPARE(f.state.recent.lunch.shown, (QStringList{"Bröd", "Mjölk fett 3%"}));
        QCOMPARE(f.state.recent.lunch.twins[1], QStringLiteral("Mjölk fett 3%{101}200@glas"));
        QCOMPARE(f.state.recent.snacks.shown, (QStringList{"Fabriksbar"}));
        QVERIFY(f.state.recent.breakfast.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestComputationFile)
#include "tst_computationfile.moc"
