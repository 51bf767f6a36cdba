#include "app/ProgramState.h"
#include "app/RegisterDatabase.h"
#include "app/ui/Dialogs.h"
#include "app/ui/TForm1.h"
#include "food/SearchList.h"
#include "food/SearchListModel.h"
#include "support/Screenshot.h"
#include "support/TestSupport.h"
#include "support/WindowTestScope.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QSqlError>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <optional>

namespace {

struct Row {
    QString code, name, group;
};

// A register database in the folder holding just these rows (the delivered one is replaced).
void writeRegisters(const TemporaryProgramFolder &folder, const QList<Row> &national,
                    const QList<Row> &manufacturers, const QList<Row> &own, const QList<Row> &dabas)
{
    folder.remove(RegisterDatabase::registerFileName());
    folder.remove(RegisterDatabase::ownFileName());
    const QString connection = QStringLiteral("tst_searchwindow_fixture");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(folder.filePath(RegisterDatabase::registerFileName()));
        QVERIFY(db.open());
        QVERIFY(RegisterDatabase::registerSwedishCollation(db).ok);
        QVERIFY(RegisterDatabase::createRegisterTables(db).ok);
    }
    QSqlDatabase::removeDatabase(connection);

    RegisterDatabase registers;
    const Status opened = registers.open(folder.path());
    QVERIFY2(opened.ok, qPrintable(opened.message));
    QSqlDatabase db = registers.connection();
    QSqlQuery q(db);
    auto fill = [&](const QString &table, const QList<Row> &rows) {
        QVERIFY(q.prepare(QStringLiteral("INSERT INTO %1 (Kod, Livsmedel, Portionsstorlek, Enhet, Grupp1) "
                                         "VALUES (?, ?, 100, 'g', ?)")
                              .arg(table)));
        for (const Row &r : rows) {
            q.addBindValue(r.code);
            q.addBindValue(r.name);
            q.addBindValue(r.group);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        }
    };
    fill(QStringLiteral("brasol100"), national);
    fill(QStringLiteral("fabrikant"), manufacturers);
    fill(QStringLiteral("egna"), own);
    fill(QStringLiteral("dabas"), dabas);
}

void writeStandardRegisters(const TemporaryProgramFolder &folder)
{
    writeRegisters(folder,
                   {{"1", "Banan", "Frukt"},
                    {"2", "Bananmos", "Frukt"},
                    {"3", "Kokt banan", "Frukt"},
                    {"4", "Banan UTGÅTT", "Frukt"},
                    {"5", "Banan/NO", "Frukt/No"},
                    {"6", "Torsk", "Fisk"},
                    {"7", "RESERV", ""}},
                   {{"Find1", "Banankaka Findus", ""}, {"Semp2", "Gröt Semper", ""}},
                   {{"e1", "Egen bananmilk", ""}, {"e2", "reserv", ""}},
                   {{"dab07310860000011", "Juice/Bravo", "Bravo"},
                    {"dab07310860000028", "Bananjuice/Bravo", "Bravo"},
                    {"dab07310860000035", "Mjölk/Arla", "Arla"}});
}

QStringList foodLines(const SearchListModel &model)
{
    QStringList out;
    for (int i = 0; i < model.count(); ++i) {
        if (!CodeFromTwinLine(model.twinAt(i)).isEmpty())
            out << model.visibleAt(i);
    }
    return out;
}

void rightClick(QListView *list, const QPoint &pos)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, list->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(list->viewport(), &event);
}

} // namespace

class TestSearchWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { scope.emplace(); }
    void cleanup() { scope.reset(); }

    void startUpReadsTheListsAndSearchesOnce()
    {
        TemporaryProgramFolder folder;
        writeStandardRegisters(folder);
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        QVERIFY(Dialogs::shownMessages().isEmpty());
        QCOMPARE(state.search.lists.national.count(), 7);
        QCOMPARE(state.search.lists.own.count(), 2);
        QCOMPARE(state.search.lists.dabas.count(), 0); // read on activation only
        QStringList full;
        for (int i = 0; i < w.ComboBoxSLVgruppH->count(); ++i)
            full << w.ComboBoxSLVgruppH->itemText(i);
        QCOMPARE(full,
                 QStringList({QStringLiteral(" Livsmedelsgrupper"), QStringLiteral("Bröd"),
                              QStringLiteral("Fisk"), QStringLiteral("Frukt"), QStringLiteral("Frukt/No")}));
        QCOMPARE(state.search.GroupCount, 4);
        QCOMPARE(w.ComboBoxSLVgrupp->count(), 4); // the Norwegian group waits for "Norsk mat"
        QCOMPARE(w.Edit1->text(), QStringLiteral("Sök"));
        QCOMPARE(
            foodLines(*w.ListBoxLivsModel),
            QStringList({QStringLiteral("Banan"), QStringLiteral("Bananmos"), QStringLiteral("Kokt banan"),
                         QStringLiteral("Banankaka Findus"), QStringLiteral("Egen bananmilk")}));
        QCOMPARE(state.search.ListMode, QStringLiteral("namn"));
        w.show();
        saveScreenshot(w, QStringLiteral("searchwindow_start"));
    }

    void quickSearchRunsOnceHalfASecondAfterTheFirstKey()
    {
        TemporaryProgramFolder folder;
        writeStandardRegisters(folder);
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        w.show();
        w.Edit1->clear();
        int fills = 0;
        qint64 filledAfter = -1;
        QElapsedTimer clock;
        connect(w.ListBoxLivsModel, &QAbstractItemModel::modelReset, this, [&] {
            ++fills;
            filledAfter = clock.elapsed();
        });

        clock.start();
        QTest::keyClicks(w.Edit1, QStringLiteral("to"));
        QVERIFY(w.Timer1->isActive());
        QTest::qWait(250);
        const qint64 beforeThirdKey = clock.elapsed();
        QTest::keyClicks(w.Edit1, QStringLiteral("r"));
        // The later key did not start the half second again.
        QVERIFY(w.Timer1->isActive());
        QVERIFY2(w.Timer1->remainingTime() <= 500 - beforeThirdKey + 25,
                 qPrintable(QString::number(w.Timer1->remainingTime())));
        QCOMPARE(fills, 0);
        QTRY_COMPARE_WITH_TIMEOUT(fills, 1, 3000);
        QVERIFY2(filledAfter >= 450, qPrintable(QString::number(filledAfter)));
        QVERIFY(!w.Timer1->isActive());
        QCOMPARE(foodLines(*w.ListBoxLivsModel), QStringList{QStringLiteral("Torsk")});
        QTest::qWait(600);
        QCOMPARE(fills, 1);
        // Quick search does not take the text as the last search.
        QCOMPARE(state.search.LastSearchText, QString());
    }

    void enterWithoutQuickSearch()
    {
        TemporaryProgramFolder folder;
        writeStandardRegisters(folder);
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.CheckBoxSnabbSok, Qt::LeftButton);
        QVERIFY(!w.CheckBoxSnabbSok->isChecked());
        const QStringList before = w.ListBoxLivsModel->visible();

        w.Edit1->clear();
        QTest::keyClicks(w.Edit1, QStringLiteral("b"));
        QVERIFY(!w.Timer1->isActive());
        QTest::keyClick(w.Edit1, Qt::Key_Return);
        QCOMPARE(Dialogs::lastMessage(), QStringLiteral("Minst två tecken behövs för att söka"));
        QCOMPARE(w.ListBoxLivsModel->visible(), before);

        w.Edit1->clear();
        QTest::keyClicks(w.Edit1, QStringLiteral("glogg"));
        QTest::keyClick(w.Edit1, Qt::Key_Return);
        QCOMPARE(w.ListBoxLivsModel->visible().last(), QStringLiteral("Ingen träff på  GLOGG"));
        QCOMPARE(w.Edit1->text(), QString()); // emptied for the next try

        // A typed code offered to the meal rows first: taken, no search.
        QString offered;
        w.SearchFieldCodeEntry = [&](const QString &text) {
            offered = text;
            return text == u"1";
        };
        QTest::keyClicks(w.Edit1, QStringLiteral("torsk"));
        QTest::keyClick(w.Edit1, Qt::Key_Return);
        QCOMPARE(offered, QStringLiteral("torsk"));
        QCOMPARE(foodLines(*w.ListBoxLivsModel), QStringList{QStringLiteral("Torsk")});
        QCOMPARE(state.search.LastSearchText, QStringLiteral("torsk"));
        QCOMPARE(w.ListBoxLivs->currentIndex().row(), 0);
    }

    void enterHandsOnFreeTextAndEscapeReturnsToTheField()
    {
        TemporaryProgramFolder folder;
        writeStandardRegisters(folder);
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QString freeText;
        w.SearchFieldFreeText = [&](const QString &text) { freeText = text; };
        w.Edit1->setFocus();
        w.Edit1->setText(QStringLiteral("12:30 kaffe"));
        QTest::keyClick(w.Edit1, Qt::Key_Return);
        QCOMPARE(freeText, QStringLiteral("12:30 kaffe"));
        QCOMPARE(w.ListBoxLivs->currentIndex().row(), 0);
        QTRY_VERIFY(w.ListBoxLivs->hasFocus());
        QTest::keyClick(w.ListBoxLivs, Qt::Key_Escape);
        QTRY_VERIFY(w.Edit1->hasFocus());
    }

    void countryBoxesRefillAndRebuildTheGroups()
    {
        TemporaryProgramFolder folder;
        writeStandardRegisters(folder);
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        w.show();
        w.Edit1->setText(QStringLiteral("banan"));
        QTest::mouseClick(w.CheckBoxNorsk, Qt::LeftButton);
        QCOMPARE(foodLines(*w.ListBoxLivsModel).mid(0, 4),
                 QStringList({QStringLiteral("Banan"), QStringLiteral("Banan/NO"), QStringLiteral("Bananmos"),
                              QStringLiteral("Kokt banan")}));
        QCOMPARE(state.search.LastSearchText, QStringLiteral("banan"));
        QCOMPARE(w.ComboBoxSLVgrupp->findText(QStringLiteral("Frukt/No")), 4);
        QTest::mouseClick(w.CheckBoxSvensk, Qt::LeftButton);
        QCOMPARE(foodLines(*w.ListBoxLivsModel).mid(0, 1), QStringList{QStringLiteral("Banan/NO")});
        QCOMPARE(w.ComboBoxSLVgrupp->count(), 2); // the title and the Norwegian group
    }

    void discontinuedFoodsOnlyAfterYes()
    {
        TemporaryProgramFolder folder;
        writeStandardRegisters(folder);
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        w.Edit1->setText(QStringLiteral("banan"));
        const QString discontinued = QStringLiteral("Banan UTGÅTT");
        Dialogs::queueAnswer(Dialogs::Answer::Cancel);
        w.VisaUtgatt1->trigger();
        QCOMPARE(Dialogs::lastMessage(), QStringLiteral("Visa också artiklar som UTGÅTT"));
        QVERIFY(!w.ListBoxLivsModel->visible().contains(discontinued));
        Dialogs::queueAnswer(Dialogs::Answer::Yes);
        w.VisaUtgatt1->trigger();
        QVERIFY(state.search.ShowDiscontinued);
        QVERIFY(w.ListBoxLivsModel->visible().contains(discontinued));
        Dialogs::queueAnswer(Dialogs::Answer::Cancel); // leaves the choice as it was
        w.VisaUtgatt1->trigger();
        QVERIFY(w.ListBoxLivsModel->visible().contains(discontinued));
        Dialogs::queueAnswer(Dialogs::Answer::No);
        w.VisaUtgatt1->trigger();
        QVERIFY(!w.ListBoxLivsModel->visible().contains(discontinued));
    }

    void rightClickRemembersTheFoodUnderTheMouse()
    {
        TemporaryProgramFolder folder;
        writeStandardRegisters(folder);
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.ListBoxLivsModel->visibleAt(1), QStringLiteral("Bananmos"));
        rightClick(w.ListBoxLivs, w.ListBoxLivs->visualRect(w.ListBoxLivsModel->index(1, 0)).center());
        QCOMPARE(state.search.SelectedListIndex, 1);
        QCOMPARE(state.search.SelectedListCode, QStringLiteral("2"));
        QTRY_VERIFY(w.PopupMenu1->isVisible());
        QStringList items;
        for (QAction *a : w.PopupMenu1->actions())
            if (a->isVisible())
                items << a->text();
        // Removing a favourite is offered only while the favourites are listed.
        QCOMPARE(items, QStringList({QStringLiteral("Visa näringen per 100g"),
                                     QStringLiteral("Lägg denna artikel i favoritlistan"),
                                     QStringLiteral("Produktinfo via www"),
                                     QStringLiteral("Visa även artiklar som UTGÅTT")}));
        QCOMPARE(w.Visanringenper100g1->objectName(), QStringLiteral("Visanringenper100g1"));
        QCOMPARE(w.Artikelnswww1->objectName(), QStringLiteral("Artikelnswww1"));
        w.PopupMenu1->close();

        // Below the last line: no item; the code stays.
        const QRect last =
            w.ListBoxLivs->visualRect(w.ListBoxLivsModel->index(w.ListBoxLivsModel->count() - 1, 0));
        QVERIFY(last.bottom() + 5 < w.ListBoxLivs->viewport()->height());
        rightClick(w.ListBoxLivs, QPoint(last.center().x(), last.bottom() + 5));
        QCOMPARE(state.search.SelectedListIndex, -1);
        QCOMPARE(state.search.SelectedListCode, QStringLiteral("2"));
        w.PopupMenu1->close();

        // A header line has no code.
        const int header = int(w.ListBoxLivsModel->visible().indexOf(QString::fromUtf16(HeaderOwn.visible)));
        rightClick(w.ListBoxLivs, w.ListBoxLivs->visualRect(w.ListBoxLivsModel->index(header, 0)).center());
        QCOMPARE(state.search.SelectedListIndex, header);
        QCOMPARE(state.search.SelectedListCode, QString());
        w.PopupMenu1->close();
    }

    void dabasFirstActivationLoadsSecondTogglesTheCompanies()
    {
        TemporaryProgramFolder folder;
        writeStandardRegisters(folder);
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        state.search.LastSearchText = QStringLiteral("juice");
        const QString warning = QStringLiteral("OBS! Dabas-produkter är ofta ofullständigt deklarerade och "
                                               "produkter kan utgå i kommande uppdateringar");

        QTest::mouseClick(w.CheckBoxDabas, Qt::LeftButton);
        QCOMPARE(Dialogs::lastMessage(), warning);
        QVERIFY(!state.app.DabasLoaded);
        QVERIFY(w.StatusBar1->isVisible());
        QCOMPARE(w.StatusBar1->currentMessage(), QStringLiteral("Wait while reading"));
        QVERIFY(w.TimerDabasInlasning->isActive());
        // Refilled with the last search: the Dabas section is there, still empty.
        QVERIFY(w.ListBoxLivsModel->visible().contains(QString::fromUtf16(HeaderDabas.visible)));
        QCOMPARE(foodLines(*w.ListBoxLivsModel), QStringList());

        QTRY_VERIFY_WITH_TIMEOUT(state.app.DabasLoaded, 5000);
        QCOMPARE(state.search.lists.dabas.count(), 3);
        QVERIFY(!w.StatusBar1->isVisible());
        QVERIFY(w.ComboBoxDabas->isVisible());
        QStringList companies;
        for (int i = 0; i < w.ComboBoxDabas->count(); ++i)
            companies << w.ComboBoxDabas->itemText(i);
        QCOMPARE(companies, QStringList({QStringLiteral("  Select company"), QStringLiteral("Arla"),
                                         QStringLiteral("Bravo")}));

        // The company search lists the company's products.
        w.ComboBoxDabas->setCurrentIndex(2);
        emit w.ComboBoxDabas->activated(2);
        QCOMPARE(foodLines(*w.ListBoxLivsModel),
                 QStringList({QStringLiteral("Bananjuice/Bravo"), QStringLiteral("Juice/Bravo")}));

        // Later clicks only toggle the company list; nothing is read again.
        Dialogs::clearScript();
        QTest::mouseClick(w.CheckBoxDabas, Qt::LeftButton);
        QCOMPARE(Dialogs::lastMessage(), warning);
        QVERIFY(!w.CheckBoxDabas->isChecked());
        QVERIFY(!w.ComboBoxDabas->isVisible());
        QVERIFY(!w.TimerDabasInlasning->isActive());
        QVERIFY(!w.StatusBar1->isVisible());
        QVERIFY(w.ListBoxLivsModel->visible().contains(QString::fromUtf16(HeaderDabasInactive.visible)));
        QTest::mouseClick(w.CheckBoxDabas, Qt::LeftButton);
        QVERIFY(w.ComboBoxDabas->isVisible());
        QCOMPARE(foodLines(*w.ListBoxLivsModel),
                 QStringList({QStringLiteral("Juice/Bravo"), QStringLiteral("Bananjuice/Bravo")}));
        saveScreenshot(w, QStringLiteral("searchwindow_dabas"));
    }

    void groupManufacturerAndNameSearchCommands()
    {
        TemporaryProgramFolder folder;
        writeStandardRegisters(folder);
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        w.show();

        w.Edit1->setText(QStringLiteral("x"));
        const int fish = w.ComboBoxSLVgrupp->findText(QStringLiteral("Fisk"));
        w.ComboBoxSLVgrupp->setCurrentIndex(fish);
        emit w.ComboBoxSLVgrupp->activated(fish);
        QCOMPARE(w.ListBoxLivsModel->visible(), QStringList{QStringLiteral("Torsk")});
        QCOMPARE(w.Edit1->text(), QString());

        const int findus = w.ComboBoxFabrikant->findText(QStringLiteral("Findus"));
        w.ComboBoxFabrikant->setCurrentIndex(findus);
        emit w.ComboBoxFabrikant->activated(findus);
        QCOMPARE(w.ListBoxLivsModel->visible(), QStringList{QStringLiteral("Banankaka Findus")});
        QCOMPARE(state.search.ListMode, QStringLiteral("fabrikant"));
        QCOMPARE(w.ComboBoxSLVgrupp->currentIndex(), 0);
        // The empty items at the end change nothing.
        emit w.ComboBoxFabrikant->activated(w.ComboBoxFabrikant->count() - 1);
        QCOMPARE(w.ListBoxLivsModel->visible(), QStringList{QStringLiteral("Banankaka Findus")});

        // Ctrl+S: the name search.
        QCOMPARE(w.Skpnamn1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        Dialogs::queueInput(QStringLiteral("t"));
        w.Skpnamn1->trigger();
        QCOMPARE(Dialogs::lastMessage(), QStringLiteral("Minst två tecken behövs för att söka"));
        QCOMPARE(state.search.ListMode, QStringLiteral("fabrikant"));
        Dialogs::queueInput(QStringLiteral("gröt"));
        w.Skpnamn1->trigger();
        QCOMPARE(foodLines(*w.ListBoxLivsModel), QStringList{QStringLiteral("Gröt Semper")});
        QCOMPARE(state.search.LastSearchText, QStringLiteral("gröt"));
        QCOMPARE(state.search.ListMode, QStringLiteral("namn"));
        QCOMPARE(w.ComboBoxFabrikant->currentIndex(), 0);
    }

private:
    std::optional<WindowTestScope> scope;
};

QTEST_MAIN(TestSearchWindow)
#include "tst_searchwindow.moc"
