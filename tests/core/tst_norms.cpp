#include "app/TextFile.h"
#include "norms/NormTable.h"
#include "norms/StandardNorms.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

StandardNormRow normWith(float kj, float kcal, float protein, float fat, float carbohydrate, float fibre = 0)
{
    StandardNormRow row;
    row.number = 40;
    row.name = QStringLiteral("Provnorm");
    row.values[Nutrient::index(Nutrient::EnergyKJ)] = kj;
    row.values[Nutrient::index(Nutrient::EnergyKcal)] = kcal;
    row.values[Nutrient::index(Nutrient::Protein)] = protein;
    row.values[Nutrient::index(Nutrient::Fat)] = fat;
    row.values[Nutrient::index(Nutrient::Carbohydrate)] = carbohydrate;
    row.values[Nutrient::index(Nutrient::Fibre)] = fibre;
    return row;
}

QString csvPath()
{
    return QStringLiteral(VELMORA_SOURCE_DIR "/data/sources/norms/normer.csv");
}

} // namespace

class TestNorms : public QObject {
    Q_OBJECT
private slots:
    void everyDeliveredNormIsConsistentInItsEnergy()
    {
        const auto rows = NormTable::readCsv(csvPath());
        QVERIFY2(rows.ok(), qPrintable(rows.message));
        QVERIFY(rows->size() >= 15);
        for (int needed : {1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16, 18, 24, 25})
            QVERIFY2(
                std::any_of(rows->begin(), rows->end(), [&](const auto &r) { return r.number == needed; }),
                qPrintable(QString::number(needed)));
        for (const StandardNormRow &row : *rows) {
            ActiveNorm norm;
            TakeStandardNorm(norm, row);
            const QStringList warnings = CheckNormEnergy(norm);
            QVERIFY2(warnings.isEmpty(),
                     qPrintable(QString::number(row.number) + u' ' + warnings.join(u'\n')));
        }
    }

    void theBuiltTableHoldsTheDeliveredRows()
    {
        const auto fromCsv = NormTable::readCsv(csvPath());
        const auto fromTable = NormTable::load(deliveredFile(NormTable::fileName()));
        QVERIFY2(fromTable.ok(), qPrintable(fromTable.message));
        QCOMPARE(fromTable->size(), fromCsv->size());
        for (int i = 0; i < fromCsv->size(); ++i) {
            QCOMPARE(fromTable->at(i).number, fromCsv->at(i).number);
            QCOMPARE(fromTable->at(i).name, fromCsv->at(i).name);
            QCOMPARE(fromTable->at(i).values, fromCsv->at(i).values);
        }
    }

    void aStoredRowReplacesItsNumber()
    {
        QTemporaryDir dir;
        const QString db = dir.filePath(QStringLiteral("n.sqlite"));
        QVERIFY(NormTable::create(db, {normWith(8400, 2000, 80, 70, 280)}));
        StandardNormRow changed = normWith(9000, 2150, 80, 70, 280);
        changed.name = QStringLiteral("Ändrad");
        QVERIFY(NormTable::store(db, changed));
        StandardNormRow added = changed;
        added.number = 41;
        QVERIFY(NormTable::store(db, added));
        const auto rows = NormTable::load(db);
        QCOMPARE(rows->size(), 2);
        QCOMPARE(rows->at(0).name, QStringLiteral("Ändrad"));
        QCOMPARE(rows->at(0).values[0], 9000.0f);
        QCOMPARE(rows->at(1).number, 41);
    }

    void theDefaultNormIsNumber18OrTheFirstRow()
    {
        StandardNormRow first = normWith(1, 1, 1, 1, 1);
        first.number = 3;
        StandardNormRow eighteen = normWith(8800, 2103, 78, 70, 270);
        eighteen.number = 18;
        eighteen.name = QString(100, u'x');
        ActiveNorm norm;
        QVERIFY(LoadDefaultNorm(norm, {first, eighteen}));
        QCOMPARE(norm.SelectedStandardNorm.number, 18);
        QCOMPARE(norm.SelectedStandardNorm.name.size(), 80);
        QCOMPARE(norm.NormCaption, QStringLiteral("Norm: ") + QString(80, u'x'));
        QCOMPARE(norm.NormKind, QStringLiteral("standardnorm"));
        QCOMPARE(norm.values[0], 8800.0f);
        QVERIFY(LoadDefaultNorm(norm, {first}));
        QCOMPARE(norm.SelectedStandardNorm.number, 3);
        QVERIFY(!LoadDefaultNorm(norm, {}));
    }

    void energyWarnings_data()
    {
        QTest::addColumn<float>("kj");
        QTest::addColumn<float>("kcal");
        QTest::addColumn<QStringList>("expected");
        const QString givers =
            QStringLiteral("Provnorm   För stor skillnad mellan kJ (8400) och energigivare (8710). "
                           "Om du ändrat normen kolla den, kontakta annars Brantvik Analys");
        QTest::newRow("kcal agrees, givers do not") << 8400.0f << 2000.0f << QStringList{givers};
        QTest::newRow("both disagree")
            << 8400.0f << 1940.0f
            << QStringList{
                   QStringLiteral("För stor skillnad mellan kJ (8400) och kcal (1940). Om du ändrat normen "
                                  "kolla den, kontakta annars Brantvik Analys"),
                   givers};
        QTest::newRow("consistent") << 8700.0f << 2070.0f << QStringList{};
    }
    void energyWarnings()
    {
        QFETCH(float, kj);
        QFETCH(float, kcal);
        QFETCH(QStringList, expected);
        ActiveNorm norm;
        TakeStandardNorm(norm, normWith(kj, kcal, 80, 70, 280));
        QCOMPARE(CheckNormEnergy(norm), expected);
    }

    void choosingANormGivesItsCaptionAndOnceTheKetogenicReminder()
    {
        ActiveNorm norm;
        norm.NormKind = QStringLiteral("ketogennorm");
        const StandardNormRow row = normWith(8700, 2070, 80, 70, 280);
        QStringList shown = ChooseStandardNorm(norm, row);
        QCOMPARE(norm.NormCaption, QStringLiteral("Norm: Provnorm   2070 kcal/dag"));
        QCOMPARE(shown.first(), QStringLiteral("Vald Norm: Provnorm   2070 kcal/dag"));
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown.last().startsWith(QStringLiteral("Om du räknat på ketogen kost")));
        QCOMPARE(norm.NormKind, QStringLiteral("standarnorm"));
        shown = ChooseStandardNorm(norm, row);
        QCOMPARE(shown.size(), 1);
    }

    void theIdealEnergyDistributionFollowsTheNorm()
    {
        ActiveNorm norm;
        TakeStandardNorm(norm, normWith(8400, 2000, 75, 70, 260, 25));
        MealSettings settings;
        QVERIFY(RefreshIdealEnergyFromNorm(norm, settings));
        const auto &ideal = settings.IdealEnergyDistribution;
        QCOMPARE(qRound(ideal[0]), 15);
        QCOMPARE(qRound(ideal[1]), 31);
        QCOMPARE(qRound(ideal[2]), 54);
        QCOMPARE(QString::number(ideal[3], 'f', 1), QStringLiteral("12.7"));
        QCOMPARE(QString::number(ideal[4], 'f', 1), QStringLiteral("7.6"));
        QCOMPARE(QString::number(ideal[5], 'f', 1), QStringLiteral("10.2"));

        TakeStandardNorm(norm, normWith(8400, 2000, 0, 0, 0, 0));
        const MealSettings before = settings;
        QVERIFY(!RefreshIdealEnergyFromNorm(norm, settings));
        QCOMPARE(settings.IdealEnergyDistribution, before.IdealEnergyDistribution);
    }

    void theNormFileKeepsKindCaptionAndValues_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("perKgRead");
        QTest::newRow("standard") << "standarnorm" << false;
        QTest::newRow("activity") << "aktivnorm" << false;
        QTest::newRow("per kg") << "kgkroppsviktnorm" << true;
        QTest::newRow("unknown text") << "något annat" << false;
    }
    void theNormFileKeepsKindCaptionAndValues()
    {
        QFETCH(QString, kind);
        QFETCH(bool, perKgRead);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.norm"));
        ActiveNorm norm;
        TakeStandardNorm(norm, normWith(8700.5f, 2070, 80, 70, 280));
        norm.values[71] = 1.2344f;
        norm.NormKind = kind;
        norm.NormCaption = QStringLiteral("Norm: ") + QString(90, u'n') + QStringLiteral("   2070 kcal/dag");
        QVERIFY(WriteNormFile(path, norm));
        const QStringList lines = *TextFile::readLines(path);
        QCOMPARE(lines.size(), 84);
        QCOMPARE(lines[0], QStringLiteral("reserv"));
        QCOMPARE(lines[10], kind);
        QCOMPARE(lines[12], QStringLiteral("8700.500"));
        QCOMPARE(lines[83], QStringLiteral("1.234"));

        ActiveNorm back;
        bool perKg = false;
        QVERIFY(ReadNormFile(path, back, [&] { perKg = back.values[0] == 100.0f; }));
        QCOMPARE(perKg, perKgRead);
        QCOMPARE(back.NormKind, kind);
        QCOMPARE(back.NormCaption, norm.NormCaption);
        QCOMPARE(back.SelectedStandardNorm.name.size(), 80);
        QCOMPARE(back.values[0], 8700.5f);
        QCOMPARE(back.SelectedStandardNorm.values[4], 80.0f);
    }

    void aShortNormFileKeepsWhatItHolds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kort.norm"));
        QStringList lines(10, QStringLiteral("reserv"));
        lines << "egennorm"
              << "Norm: egen"
              << "9000"
              << "2150,5";
        TextFile::writeLines(path, lines);
        ActiveNorm norm;
        QVERIFY(ReadNormFile(path, norm));
        QCOMPARE(norm.values[0], 9000.0f);
        QCOMPARE(norm.values[1], 2150.5f);
        QCOMPARE(norm.values[2], 100.0f);
        QVERIFY(!ReadNormFile(dir.filePath(QStringLiteral("saknas.norm")), norm));
    }
};

QTEST_GUILESS_MAIN(TestNorms)
#include "tst_norms.moc"
