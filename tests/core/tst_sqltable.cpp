#include "app/RegisterDatabase.h"
#include "app/SqlTable.h"
#include "food/FoodRegisters.h"
#include "support/RegisterFixture.h"

#include <QSqlTableModel>
#include <QTest>

// The table layer over the register database: index order, key searches, walking, changes.
class TestSqlTable : public QObject {
    Q_OBJECT
private:
    RegisterFixture fixture;
    FoodRegisters registers;

    SqlTable &egna() { return registers.table(FoodRegister::Egna); }

    QStringList walkNames(SqlTable &t)
    {
        QStringList names;
        Status s = t.first();
        while (s && !t.eof()) {
            names.append(t.text(2));
            s = t.next();
        }
        if (!s)
            names.append(QStringLiteral("FEL: ") + s.message);
        return names;
    }

private slots:
    void init()
    {
        QVERIFY2(fixture.ok(), qPrintable(fixture.error()));
        const Status s = registers.openFiles(fixture.registerFile(), fixture.ownFile());
        QVERIFY2(s.ok, qPrintable(s.message));
        const char *names[] = {"Ärtor", "apelsin", "Zucchini", "Öl", "Banan", "Åkerbär", "ägg"};
        int code = 1;
        for (const char *n : names)
            QVERIFY(putFood(egna(), QString::number(code++), QString::fromUtf8(n)).ok);
    }
    void cleanup()
    {
        QSqlDatabase db = registers.database().connection();
        QVERIFY(Sql::exec(db, QStringLiteral("DELETE FROM egna")).ok);
        db = QSqlDatabase();
        registers.close();
    }

    void walksTheNameIndexInSwedishOrder()
    {
        QVERIFY(egna().setIndex(QStringLiteral("livsmedel")).ok);
        QCOMPARE(walkNames(egna()),
                 (QStringList{QStringLiteral("apelsin"), QStringLiteral("Banan"), QStringLiteral("Zucchini"),
                              QStringLiteral("Åkerbär"), QStringLiteral("ägg"), QStringLiteral("Ärtor"),
                              QStringLiteral("Öl")}));
        // The primary index walks by code.
        QVERIFY(egna().setIndex(QString()).ok);
        QCOMPARE(walkNames(egna()).first(), QStringLiteral("Ärtor"));
        QVERIFY(!egna().setIndex(QStringLiteral("nosuchindex")).ok);
        QCOMPARE(egna().indexNames(), (QStringList{QString(), QStringLiteral("livsmedel")}));
    }

    void exactKeySearchNeitherTrimsNorFoldsCase()
    {
        QVERIFY(putFood(egna(), QStringLiteral("abc"), QStringLiteral("Gröt")).ok);
        auto hit = egna().findKey(QStringLiteral("abc"));
        QVERIFY(hit.ok() && *hit);
        QCOMPARE(egna().text(QStringLiteral("Livsmedel")), QStringLiteral("Gröt"));
        for (const char *miss : {"ABC", "abc ", " abc", "ab"}) {
            hit = egna().findKey(QString::fromLatin1(miss));
            QVERIFY(hit.ok());
            QVERIFY2(!*hit, miss);
            QVERIFY(!egna().hasRow());
        }
    }

    void nearestKeySearchThenWalkOn()
    {
        QVERIFY(egna().setIndex(QStringLiteral("livsmedel")).ok);
        QVERIFY(egna().findNearest(QStringLiteral("b")).ok);
        QCOMPARE(egna().text(2), QStringLiteral("Banan"));
        QVERIFY(egna().next().ok);
        QCOMPARE(egna().text(2), QStringLiteral("Zucchini"));
        QVERIFY(egna().findNearest(QStringLiteral("Ä")).ok);
        QCOMPARE(egna().text(2), QStringLiteral("ägg"));
        QVERIFY(egna().findNearest(QStringLiteral("Öm")).ok);
        QVERIFY(egna().eof());
    }

    void walkGoesOnAfterEditsAndKeySearches()
    {
        // Changing every row while walking visits each row once; a key search in between does
        // not lose the place either.
        QVERIFY(egna().setIndex(QStringLiteral("livsmedel")).ok);
        QStringList visited;
        Status s = egna().first();
        while (s && !egna().eof()) {
            visited.append(egna().text(2));
            QVERIFY(egna().edit().ok);
            QVERIFY(egna().setValue(QStringLiteral("Portionsstorlek"), 12.5).ok);
            QVERIFY(egna().post().ok);
            s = egna().next();
        }
        QVERIFY2(s.ok, qPrintable(s.message));
        QCOMPARE(visited.size(), 7);
        QCOMPARE(visited.last(), QStringLiteral("Öl"));
        QVERIFY(egna().first().ok);
        do {
            QCOMPARE(egna().value(3).toDouble(), 12.5);
            QVERIFY(egna().next().ok);
        } while (!egna().eof());
    }

    void appendPostAndFieldsByNameAndPosition()
    {
        QVERIFY(putFood(egna(), QStringLiteral("x1"), QStringLiteral("Egen soppa"),
                        {{4, QStringLiteral("port")}, {14, 5.0}, {48, 0.0}})
                    .ok);
        QCOMPARE(egna().text(1), QStringLiteral("x1"));
        QCOMPARE(egna().position(QStringLiteral("Avfall _%_")), 14);
        QCOMPARE(egna().position(QStringLiteral("www")), 96);
        QCOMPARE(egna().fieldCount(), 96);
        QCOMPARE(egna().value(QStringLiteral("Enhet")).toString(), QStringLiteral("port"));
        QCOMPARE(egna().value(14).toDouble(), 5.0);
        QVERIFY(!egna().isNull(48));
        QVERIFY(egna().isNull(47));
        // A duplicate key is refused with the database's own text.
        const Status dup = putFood(egna(), QStringLiteral("x1"), QStringLiteral("Kopia"));
        QVERIFY(!dup.ok);
        QVERIFY2(dup.message.contains(QStringLiteral("UNIQUE")), qPrintable(dup.message));
        egna().cancel();
        QVERIFY(!egna().setValue(2, QStringLiteral("utan ändringsläge")).ok);
    }

    void movingAwayWritesAChangedRow()
    {
        QVERIFY(*egna().findKey(QStringLiteral("1")));
        QVERIFY(egna().edit().ok);
        QVERIFY(egna().setValue(QStringLiteral("Enhet"), QStringLiteral("skål")).ok);
        QCOMPARE(egna().text(QStringLiteral("Enhet")), QStringLiteral("skål")); // pending value
        QVERIFY(*egna().findKey(QStringLiteral("2")));
        QCOMPARE(egna().state(), SqlTable::State::Browse);
        QVERIFY(*egna().findKey(QStringLiteral("1")));
        QCOMPARE(egna().text(QStringLiteral("Enhet")), QStringLiteral("skål"));
        // cancel() drops a change on purpose.
        QVERIFY(egna().edit().ok);
        QVERIFY(egna().setValue(QStringLiteral("Enhet"), QStringLiteral("tallrik")).ok);
        egna().cancel();
        QCOMPARE(egna().text(QStringLiteral("Enhet")), QStringLiteral("skål"));
    }

    void removeMovesToTheNextRow()
    {
        QVERIFY(egna().setIndex(QStringLiteral("livsmedel")).ok);
        QVERIFY(egna().findNearest(QStringLiteral("Banan")).ok);
        QVERIFY(egna().remove().ok);
        QCOMPARE(egna().text(2), QStringLiteral("Zucchini"));
        QVERIFY(egna().findNearest(QStringLiteral("Öl")).ok);
        QVERIFY(egna().remove().ok);
        QVERIFY(egna().eof());
        QVERIFY(!egna().hasRow());
        QCOMPARE(walkNames(egna()).size(), 5);
    }

    void reportsTheDatabaseErrorText()
    {
        SqlTable missing(registers.database().connection(), QStringLiteral("nosuchtable"));
        const Status s = missing.open();
        QVERIFY(!s.ok);
        QVERIFY(s.message.contains(QStringLiteral("nosuchtable")));
        const Status bad =
            Sql::exec(registers.database().connection(), QStringLiteral("SELECT nosuchcolumn FROM egna"));
        QVERIFY(!bad.ok);
        QVERIFY2(bad.message.contains(QStringLiteral("no such column")), qPrintable(bad.message));
    }

    void aTableModelSeesTheSameRows()
    {
        QSqlTableModel model(nullptr, registers.database().connection());
        model.setTable(QStringLiteral("egna"));
        QVERIFY(model.select());
        QCOMPARE(model.rowCount(), 7);
        QCOMPARE(model.columnCount(), 96);
        QCOMPARE(model.headerData(13, Qt::Horizontal).toString(), QStringLiteral("Avfall _%_"));
    }
};

QTEST_GUILESS_MAIN(TestSqlTable)
#include "tst_sqltable.moc"
