#include "app/RegisterDatabase.h"
#include "app/SqlTable.h"
#include "food/FoodRegisters.h"
#include "support/RegisterFixture.h"

#include <QFile>
#include <QSqlDatabase>
#include <QTest>

Q_DECLARE_METATYPE(LookupChain)
Q_DECLARE_METATYPE(std::optional<FoodRegister>)

namespace {
constexpr int Fibre = 48;
constexpr int Protein = 19;
} // namespace

// FindFood's chains over small fixture registers, ReadFoodRecord, the article-number index, and
// the opening of the database files.
class TestFoodRegisters : public QObject {
    Q_OBJECT
private:
    RegisterFixture fixture;
    FoodRegisters registers;

private slots:
    void initTestCase()
    {
        QVERIFY2(fixture.ok(), qPrintable(fixture.error()));
        const Status s = registers.openFiles(fixture.registerFile(), fixture.ownFile());
        QVERIFY2(s.ok, qPrintable(s.message));
        using R = FoodRegister;
        // "both": in the national table and with the manufacturers; "old": only in the previous
        // edition; the rest in one register each.
        QVERIFY(putFood(registers, R::Brasol100, QStringLiteral("both"), QStringLiteral("Nationell")).ok);
        QVERIFY(putFood(registers, R::Fabrikant, QStringLiteral("both"), QStringLiteral("Fabrikantens")).ok);
        QVERIFY(putFood(registers, R::Brasol2005, QStringLiteral("old"), QStringLiteral("Gammal")).ok);
        QVERIFY(putFood(registers, R::Fabrikant, QStringLiteral("fab"), QStringLiteral("Fabrikat")).ok);
        QVERIFY(putFood(registers, R::Egna, QStringLiteral("own"), QStringLiteral("Eget")).ok);
        QVERIFY(
            putFood(registers, R::Dabas, QStringLiteral("dab07310350118"), QStringLiteral("Dabasvara")).ok);
        QVERIFY(putFood(registers, R::Brasol2005, QStringLiteral("own"), QStringLiteral("Gammal egen")).ok);
    }

    void chainsTakeTheFirstRegisterThatHoldsTheCode_data()
    {
        QTest::addColumn<LookupChain>("chain");
        QTest::addColumn<QString>("code");
        QTest::addColumn<std::optional<FoodRegister>>("expected");
        using C = LookupChain;
        using R = FoodRegister;
        const std::optional<FoodRegister> none;
        struct Row {
            const char *name;
            C chain;
            const char *code;
            std::optional<FoodRegister> expected;
        };
        const Row rows[] = {
            {"add: national before manufacturer", C::AddFood, "both", R::Brasol100},
            {"add: previous edition not consulted", C::AddFood, "old", none},
            {"add: manufacturer", C::AddFood, "fab", R::Fabrikant},
            {"add: own", C::AddFood, "own", R::Egna},
            {"add: dabas", C::AddFood, "dab07310350118", R::Dabas},
            {"add: trailing blank is another code", C::AddFood, "both ", none},
            {"open: national first", C::OpenComputation, "both", R::Brasol100},
            {"open: previous edition", C::OpenComputation, "old", R::Brasol2005},
            {"open: previous edition before own", C::OpenComputation, "own", R::Brasol2005},
            {"open: dabas", C::OpenComputation, "dab07310350118", R::Dabas},
            {"old layout: no dabas", C::OpenOldComputation, "dab07310350118", none},
            {"old layout: own", C::OpenOldComputation, "own", R::Egna},
            {"per 100 g: previous edition not consulted", C::ShowPer100g, "old", none},
            {"per 100 g: national", C::ShowPer100g, "both", R::Brasol100},
            {"edit: dabas", C::EditValues, "dab07310350118", R::Dabas},
            {"standard weights: national only", C::StandardWeights, "fab", none},
            {"standard weights: national", C::StandardWeights, "both", R::Brasol100},
            {"product info: manufacturer", C::ProductInfo, "fab", R::Fabrikant},
            {"product info: no own foods", C::ProductInfo, "own", none},
            {"recipe: own before previous edition", C::RecipeIngredients, "own", R::Egna},
            {"recipe: previous edition last", C::RecipeIngredients, "old", R::Brasol2005},
            {"recipe: unknown", C::RecipeIngredients, "nosuchcode", none},
        };
        for (const Row &r : rows)
            QTest::newRow(r.name) << r.chain << QString::fromLatin1(r.code) << r.expected;
    }

    void chainsTakeTheFirstRegisterThatHoldsTheCode()
    {
        QFETCH(LookupChain, chain);
        QFETCH(QString, code);
        QFETCH(std::optional<FoodRegister>, expected);
        const auto found = registers.FindFood(code, chain);
        QVERIFY(registers.lastError().isEmpty());
        QCOMPARE(found.has_value(), expected.has_value());
        if (!expected)
            return;
        QCOMPARE(int(found->source), int(*expected));
        QCOMPARE(found->record.code, code);
    }

    void previewTakesEveryRegisterThatHoldsTheCode()
    {
        const QList<FoundFood> hits = registers.FindFoodInEach(QStringLiteral("own"));
        QCOMPARE(hits.size(), 2);
        QCOMPARE(int(hits[0].source), int(FoodRegister::Egna));
        QCOMPARE(int(hits[1].source), int(FoodRegister::Brasol2005));
    }

    void readFoodRecordKeepsUnknownApartFromZero()
    {
        SqlTable &egna = registers.table(FoodRegister::Egna);
        QVERIFY(putFood(egna, QStringLiteral("rec"), QStringLiteral("Provrätt"),
                        {{3, 150.0},
                         {4, QStringLiteral("port")},
                         {5, QStringLiteral("Rätter")},
                         {7, QStringLiteral("89,50")},
                         {14, 12.0},
                         {Protein, 0.0},
                         {20, QStringLiteral("3,5")}, // a register may hold text with a decimal comma
                         {87, 25.0},
                         {88, QStringLiteral("msk")},
                         {95, QStringLiteral("extra")},
                         {96, QStringLiteral("www.example.se")}})
                    .ok);
        const auto found = registers.FindFood(QStringLiteral("rec"), LookupChain::AddFood);
        QVERIFY(found);
        const FoodRecord &r = found->record;
        QCOMPARE(r.name, QStringLiteral("Provrätt"));
        QCOMPARE(r.unit, QStringLiteral("port"));
        QCOMPARE(r.portionGrams, 150.0f);
        QCOMPARE(r.group, QStringLiteral("Rätter"));
        QCOMPARE(r.kgPrice, 89.5f);
        QCOMPARE(r.wastePercent, 12.0f);
        QCOMPARE(r.unitNames[0], QStringLiteral("msk"));
        QCOMPARE(r.unitGrams[0], 25.0f);
        QCOMPARE(r.unitNames[1], QString());
        QCOMPARE(r.unitGrams[1], 0.0f);
        QCOMPARE(r.extraText, QStringLiteral("extra"));
        QCOMPARE(r.www, QStringLiteral("www.example.se"));
        QCOMPARE(r.nutrients[Nutrient::index(Protein)], 0.0f); // a stored 0 is a known zero
        QCOMPARE(r.nutrients[Nutrient::index(Fibre)], -1.0f);  // an empty field is unknown
        QCOMPARE(r.nutrients[Nutrient::index(20)], 3.5f);
    }

    void articleNumberGivesTheNationalCode()
    {
        QVERIFY(putFood(registers, FoodRegister::Brasol100, QStringLiteral("art"),
                        QStringLiteral("Grossistvara"), {{10, QStringLiteral("A-1234")}})
                    .ok);
        QCOMPARE(registers.CodeForArticleNumber(QStringLiteral("A-1234")), QStringLiteral("art"));
        QCOMPARE(registers.CodeForArticleNumber(QStringLiteral("A-9999")), QString());
        QCOMPARE(registers.CodeForArticleNumber(QString()), QString());
        // The primary index is active again: lookups by code still work.
        QCOMPARE(registers.table(FoodRegister::Brasol100).activeIndex(), QString());
        QVERIFY(registers.FindFood(QStringLiteral("both"), LookupChain::AddFood));
    }

    void missingRegisterFileNamesTheFile()
    {
        FoodRegisters other;
        const QString path = fixture.folder() + QStringLiteral("/nosuch/register.sqlite");
        const Status s = other.openFiles(path, fixture.folder() + QStringLiteral("/nosuch/egna.sqlite"));
        QVERIFY(!s.ok);
        QVERIFY2(s.message.contains(QStringLiteral("register.sqlite")), qPrintable(s.message));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!other.FindFood(QStringLiteral("both"), LookupChain::AddFood));
    }

    void closedRegistersAnswerNothing()
    {
        RegisterFixture local;
        FoodRegisters r;
        QVERIFY(!r.table(FoodRegister::Brasol100).findKey(QStringLiteral("x")).ok()); // never opened
        QVERIFY(r.openFiles(local.registerFile(), local.ownFile()).ok);
        QVERIFY(putFood(r, FoodRegister::Brasol100, QStringLiteral("x"), QStringLiteral("X")).ok);
        r.close();
        QVERIFY(!r.isOpen());
        QVERIFY(!r.FindFood(QStringLiteral("x"), LookupChain::AddFood));
        QVERIFY(!r.table(FoodRegister::Brasol100).first().ok);
        QCOMPARE(r.CodeForArticleNumber(QStringLiteral("1")), QString());
    }

    void ownFoodsAreKeptAndNewerOwnFilesRefused()
    {
        RegisterFixture local;
        QVERIFY(local.ok());
        {
            FoodRegisters r;
            QVERIFY(!QFile::exists(local.ownFile()));
            QVERIFY(r.openFiles(local.registerFile(), local.ownFile()).ok);
            QVERIFY(QFile::exists(local.ownFile()));
            QVERIFY(putFood(r, FoodRegister::Egna, QStringLiteral("mine"), QStringLiteral("Mitt bröd")).ok);
        }
        {
            FoodRegisters r;
            QVERIFY(r.openFiles(local.registerFile(), local.ownFile()).ok);
            QVERIFY(r.FindFood(QStringLiteral("mine"), LookupChain::AddFood));
            QSqlDatabase db = r.database().connection();
            QCOMPARE(Sql::scalar(db, QStringLiteral("PRAGMA own.user_version"))->toInt(),
                     RegisterDatabase::OwnSchemaVersion);
            QVERIFY(Sql::exec(db, QStringLiteral("PRAGMA own.user_version = 99")).ok);
        }
        FoodRegisters r;
        const Status s = r.openFiles(local.registerFile(), local.ownFile());
        QVERIFY(!s.ok);
        QVERIFY2(s.message.contains(QStringLiteral("egna.sqlite")) &&
                     s.message.contains(QStringLiteral("nyare")),
                 qPrintable(s.message));
    }

    void registerFileOfAnotherVersionIsRefused()
    {
        RegisterFixture local;
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("version-test"));
            db.setDatabaseName(local.registerFile());
            QVERIFY(db.open());
            QVERIFY(Sql::exec(db, QStringLiteral("PRAGMA user_version = 7")).ok);
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("version-test"));
        FoodRegisters r;
        const Status s = r.openFiles(local.registerFile(), local.ownFile());
        QVERIFY(!s.ok);
        QVERIFY2(s.message.contains(QStringLiteral("register.sqlite")) &&
                     s.message.contains(QStringLiteral("7")),
                 qPrintable(s.message));
    }

    void migrationKeepsRowsAndRollsBackAFailedStep()
    {
        RegisterFixture local;
        FoodRegisters r;
        QVERIFY(r.openFiles(local.registerFile(), local.ownFile()).ok);
        QVERIFY(putFood(r, FoodRegister::Egna, QStringLiteral("kept"), QStringLiteral("Sparad")).ok);
        QSqlDatabase db = r.database().connection();
        QList<RegisterDatabase::Migration> steps = RegisterDatabase::ownMigrations();
        steps.append({2, {QStringLiteral("CREATE TABLE own.recept (Titel VARCHAR(80))")}});
        QVERIFY(RegisterDatabase::migrate(db, QStringLiteral("own"), steps).ok);
        QCOMPARE(Sql::scalar(db, QStringLiteral("PRAGMA own.user_version"))->toInt(), 2);
        QVERIFY(Sql::exec(db, QStringLiteral("SELECT count(*) FROM own.recept")).ok);
        // A failing step leaves the file at the version before it.
        steps.append(
            {3, {QStringLiteral("CREATE TABLE own.recept2 (x)"), QStringLiteral("THIS IS NOT SQL")}});
        const Status failed = RegisterDatabase::migrate(db, QStringLiteral("own"), steps);
        QVERIFY(!failed.ok);
        QVERIFY(failed.message.contains(QStringLiteral("version 3")));
        QCOMPARE(Sql::scalar(db, QStringLiteral("PRAGMA own.user_version"))->toInt(), 2);
        QVERIFY(!Sql::exec(db, QStringLiteral("SELECT count(*) FROM own.recept2")).ok);
        QCOMPARE(
            Sql::scalar(db, QStringLiteral("SELECT Livsmedel FROM own.egna WHERE Kod = 'kept'"))->toString(),
            QStringLiteral("Sparad"));
    }
};

QTEST_GUILESS_MAIN(TestFoodRegisters)
#include "tst_foodregisters.moc"
