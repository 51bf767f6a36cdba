#include "app/CsvReader.h"
#include "app/SqlTable.h"
#include "food/FoodRegisters.h"
#include "food/RegisterImport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
}

const char *const kMapping = "register_pos,register_field,unit,source_column,factor,note\n"
                             "1,Kod,,Livsmedelsnummer,,\n"
                             "2,Livsmedel,,Livsmedelsnamn,,\n"
                             "5,Grupp1,,Gruppering,,\n"
                             "14,Avfall _%_,%,Avfall (%),1,\n"
                             "19,Protein _g_,g,Protein (g),1,\n"
                             "47,Sackaros _g_,g,,,MISSING\n"
                             "48,Fibrer _g_,g,\"Fibrer, totalt (g)\",1,\n";

} // namespace

// The import tool on small source folders shaped like data/sources.
class TestRegisterImport : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

    QString sources() const { return dir.filePath(QStringLiteral("sources")); }
    QString output() const { return dir.filePath(QStringLiteral("program/register.sqlite")); }

    void writeSources(const QString &currentData)
    {
        const QString s = sources();
        writeFile(s + "/livsmedelsverket-2025-10-29/column_mapping.csv", QString::fromUtf8(kMapping));
        writeFile(s + "/livsmedelsverket-2025-10-29/livsmedelsdb_2025-10-29.csv", currentData);
        writeFile(s + "/livsmedelsverket-2022-05-24/column_mapping.csv", QString::fromUtf8(kMapping));
        writeFile(
            s + "/livsmedelsverket-2022-05-24/livsmedelsdb_2022-05-24.csv",
            QStringLiteral(
                "Livsmedelsnamn,Livsmedelsnummer,Gruppering,Protein (g),\"Fibrer, totalt (g)\",Avfall (%)\n"
                "Gammal mjölk,1,Mejeri,3.4,0,0\n"
                "Annat nu,2,Kött,20,0,0\n"
                "Bara förr,9,Bröd,9,6,0\n"));
        writeFile(s + "/portions/portion_defaults.csv",
                  QStringLiteral("Gruppering;Enhet;Portionsstorlek;enhet1;port1;enhet2;port2;enhet3;port3;"
                                 "enhet4;port4;source\n"
                                 "Mejeri;glas;200;dl;100;;;;;;;x\n"
                                 "Bröd;skiva;40;;;;;;;;;x\n"
                                 "*;port;100;;;;;;;;;x\n"));
        writeFile(s + "/portions/portion_overrides.csv",
                  QStringLiteral("Livsmedelsnummer;Enhet;Portionsstorlek;enhet1;port1;enhet2;port2;enhet3;"
                                 "port3;enhet4;port4;source;Livsmedelsnamn;Gruppering\n"
                                 "2;st;15;port;150;;;;;;;x;Köttbulle;Rätter\n"
                                 "3;st;12;;;;;;;;;x;Knäcke;Bröd\n"));
        writeFile(s + "/portions/portion_corrections.csv",
                  QStringLiteral("Livsmedelsnummer;Enhet;Portionsstorlek;enhet1;port1;enhet2;port2;enhet3;"
                                 "port3;enhet4;port4;reason;Livsmedelsnamn;Gruppering\n"
                                 "3;st;11;skiva;11;;;;;;;\"ours\";Knäcke;Bröd\n"));
    }

    static QString currentData()
    {
        return QStringLiteral(
            "Livsmedelsnamn,Livsmedelsnummer,Gruppering,Protein (g),\"Fibrer, totalt (g)\",Avfall (%)\n"
            "Mjölk,1,Mejeri,3.5,0,0\n"
            "\"Köttbullar, stekta\",2,Rätter,14,,5\n"
            "Knäcke ,3,Bröd,9.5,15.5,\n"
            "Okänd grupp,4,,1,1,0\n");
    }

private slots:
    void csvReader_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QStringList>>("records");
        QTest::newRow("plain, LF") << "a,b\n1,2\n" << QList<QStringList>{{"a", "b"}, {"1", "2"}};
        QTest::newRow("CR LF, no final end") << "a,b\r\n1,2" << QList<QStringList>{{"a", "b"}, {"1", "2"}};
        QTest::newRow("quoted separator") << "\"x, y\",2\n" << QList<QStringList>{{"x, y", "2"}};
        QTest::newRow("doubled quote") << "\"say \"\"hi\"\"\",1\n" << QList<QStringList>{{"say \"hi\"", "1"}};
        QTest::newRow("line end inside quotes") << "\"two\nlines\",1\n"
                                                << QList<QStringList>{{"two\nlines", "1"}};
        QTest::newRow("empty fields") << ",,\n" << QList<QStringList>{{"", "", ""}};
        QTest::newRow("quote inside unquoted field") << "a \"b\" c,1\n"
                                                     << QList<QStringList>{{"a \"b\" c", "1"}};
        QTest::newRow("byte-order mark") << QString(QChar(0xFEFF)) + "a\n" << QList<QStringList>{{"a"}};
    }

    void csvReader()
    {
        QFETCH(QString, text);
        QFETCH(QList<QStringList>, records);
        const auto parsed = Csv::parse(text, u',');
        QVERIFY2(parsed.ok(), qPrintable(parsed.message));
        QCOMPARE(*parsed, records);
        QVERIFY(!Csv::parse(QStringLiteral("\"open,1\n"), u',').ok());
    }

    void importsValuesUnknownsAndPortions()
    {
        writeSources(currentData());
        const auto summary = ImportRegisters(sources(), output());
        QVERIFY2(summary.ok(), qPrintable(summary.message));
        QCOMPARE(summary->nationalFoods, 4);
        QCOMPARE(summary->previousFoods, 3);
        QCOMPARE(summary->portionsFromCorrections, 1);
        QCOMPARE(summary->portionsFromOverrides, 1);
        QCOMPARE(summary->portionsFromGroups, 2);
        QVERIFY(!QFile::exists(output() + QStringLiteral(".tmp")));

        FoodRegisters r;
        QVERIFY(r.openFiles(output(), dir.filePath(QStringLiteral("program/egna.sqlite"))).ok);
        auto food = [&](const char *code, LookupChain chain = LookupChain::AddFood) {
            return r.FindFood(QString::fromLatin1(code), chain).value_or(FoundFood{}).record;
        };
        const FoodRecord milk = food("1");
        QCOMPARE(milk.unit, QStringLiteral("glas"));
        QCOMPARE(milk.portionGrams, 200.0f);
        QCOMPARE(milk.unitNames[0], QStringLiteral("dl"));
        QCOMPARE(milk.nutrients[Nutrient::index(48)], 0.0f);  // a 0 in the table is known
        QCOMPARE(milk.nutrients[Nutrient::index(47)], -1.0f); // no source column: unknown
        SqlTable &national = r.table(FoodRegister::Brasol100);
        const auto positioned = national.findKey(QStringLiteral("1"));
        QVERIFY(positioned.ok() && *positioned);
        QCOMPARE(national.text(QStringLiteral("Datum")), QStringLiteral("2025-10-29"));
        const FoodRecord meatballs = food("2");
        QCOMPARE(meatballs.name, QStringLiteral("Köttbullar, stekta"));
        QCOMPARE(meatballs.nutrients[Nutrient::index(48)], -1.0f); // empty cell: unknown
        QCOMPARE(meatballs.unit, QStringLiteral("st"));            // its own row
        QCOMPARE(meatballs.wastePercent, 5.0f);
        const FoodRecord crisp = food("3");
        QCOMPARE(crisp.name, QStringLiteral("Knäcke ")); // kept as published
        QCOMPARE(crisp.portionGrams, 11.0f);             // our correction wins
        QCOMPARE(crisp.nutrients[Nutrient::index(19)], 9.5f);
        QCOMPARE(food("4").unit, QStringLiteral("port")); // no group: the "*" row
        // The previous edition: a food's own row only where the code still names a food of the
        // same group (2 is meat there, not the meatballs the row was written for).
        SqlTable &previous = r.table(FoodRegister::Brasol2005);
        QVERIFY(*previous.findKey(QStringLiteral("2")));
        QCOMPARE(ReadFoodRecord(previous).unit, QStringLiteral("port"));
        QCOMPARE(ReadFoodRecord(previous).name, QStringLiteral("Annat nu"));
        auto onlyOld = r.FindFood(QStringLiteral("9"), LookupChain::OpenComputation);
        QVERIFY(onlyOld);
        QCOMPARE(int(onlyOld->source), int(FoodRegister::Brasol2005));
        QCOMPARE(onlyOld->record.unit, QStringLiteral("skiva"));
    }

    void aFailedImportKeepsThePreviousDatabase()
    {
        writeSources(currentData());
        QVERIFY(ImportRegisters(sources(), output()).ok());
        const QByteArray before = [&] {
            QFile f(output());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QVERIFY(!before.isEmpty());

        writeSources(currentData() + QStringLiteral("Trasig,5,Mejeri,tre,0,0\n"));
        auto failed = ImportRegisters(sources(), output());
        QVERIFY(!failed.ok());
        QVERIFY2(failed.message.contains(QStringLiteral("rad 6")) &&
                     failed.message.contains(QStringLiteral("tre")),
                 qPrintable(failed.message));
        QFile f(output());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QVERIFY(!QFile::exists(output() + QStringLiteral(".tmp")));

        writeSources(QStringLiteral(
            "Livsmedelsnamn,Livsmedelsnummer,Gruppering,Protein (g),Avfall (%)\nMjölk,1,Mejeri,3,0\n"));
        failed = ImportRegisters(sources(), output());
        QVERIFY(!failed.ok());
        QVERIFY2(failed.message.contains(QStringLiteral("Fibrer, totalt (g)")), qPrintable(failed.message));
    }
};

QTEST_GUILESS_MAIN(TestRegisterImport)
#include "tst_registerimport.moc"
