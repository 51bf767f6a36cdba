// The main window's features working together on the delivered food table.
#include "app/NumberText.h"
#include "app/ProgramState.h"
#include "app/ui/Dialogs.h"
#include "app/ui/StringGrid.h"
#include "app/ui/TForm1.h"
#include "app/ui/TFormInst.h"
#include "food/SearchListModel.h"
#include "food/ui/TFormVisaNv.h"
#include "norms/ui/TFormNorm.h"
#include "support/Screenshot.h"
#include "support/TestSupport.h"
#include "support/WindowTestScope.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <optional>

namespace {
int firstFoodLine(const SearchListModel &model)
{
    for (int i = 0; i < model.count(); ++i)
        if (!CodeFromTwinLine(model.twinAt(i)).isEmpty())
            return i;
    return -1;
}
} // namespace

class TestMainWiring : public QObject {
    Q_OBJECT
private slots:
    void init() { scope.emplace(); }
    void cleanup() { scope.reset(); }

    void searchAddShowAndTypeOnTheDeliveredTable()
    {
        TemporaryProgramFolder folder;
        ProgramState state;
        TForm1 w(state);
        const Status started = w.FormCreate(folder.path());
        QVERIFY2(started.ok, qPrintable(started.message));
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));

        // Quick search: the list fills half a second after the first key.
        w.Edit1->clear();
        w.Edit1->setFocus();
        QTest::keyClicks(w.Edit1, QStringLiteral("mj"));
        QTRY_VERIFY_WITH_TIMEOUT(firstFoodLine(*w.ListBoxLivsModel) >= 0 &&
                                     w.ListBoxLivsModel->visibleAt(firstFoodLine(*w.ListBoxLivsModel))
                                         .toUpper()
                                         .startsWith(QStringLiteral("MJ")),
                                 3000);
        const int line = firstFoodLine(*w.ListBoxLivsModel);
        const QString shown = w.ListBoxLivsModel->visibleAt(line);
        QVERIFY2(shown.toUpper().startsWith(QStringLiteral("MJ")), qPrintable(shown));

        // A double-click puts the food into the first free row with one portion.
        const QRect rect = w.ListBoxLivs->visualRect(w.ListBoxLivsModel->index(line, 0));
        w.ListBoxLivs->setCurrentIndex(w.ListBoxLivsModel->index(line, 0));
        // An item view reports a double-click only after the press that precedes it.
        QTest::mouseClick(w.ListBoxLivs->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(w.ListBoxLivs->viewport(), Qt::LeftButton, {}, rect.center());
        const MealRow &row = state.computation->row(0, 0, 1);
        QCOMPARE(row.name.toString(), shown);
        QVERIFY(row.grams > 0);
        QCOMPARE(row.grams, row.portionGrams);
        QCOMPARE(w.StringGridMaltid->Cells(0, 1), shown);
        QCOMPARE(w.StringGridMaltid->Cells(1, 1), QLocale().toString(1.0, 'f', 1));
        QVERIFY(state.app.ComputationChanged);
        QVERIFY(state.results->MealSums[0][0][Nutrient::index(Nutrient::EnergyKJ)] > 0);

        // The right-click menu's first command shows the food per 100 g.
        QContextMenuEvent menu(QContextMenuEvent::Mouse, rect.center(),
                               w.ListBoxLivs->viewport()->mapToGlobal(rect.center()));
        QTimer::singleShot(0, [&] { w.Visanringenper100g1->trigger(); });
        QApplication::sendEvent(w.ListBoxLivs->viewport(), &menu);
        QTRY_VERIFY(w.FormVisaNv && w.FormVisaNv->isVisible());
        QCOMPARE(w.FormVisaNv->ListBoxVisaNv->item(0)->text(), shown);
        saveScreenshot(w, QStringLiteral("mainwindow-milk"));

        // Enter on a text with ":" writes a text row below the food.
        w.Edit1->setFocus();
        w.Edit1->setText(QStringLiteral("Kl 8: frukost"));
        QTest::keyClick(w.Edit1, Qt::Key_Return);
        QCOMPARE(state.computation->row(0, 0, 2).code.toString(), QStringLiteral("Kl 8: frukost"));
        QCOMPARE(w.StringGridMaltid->Cells(0, 2), QStringLiteral("Kl 8: frukost"));
    }

    void favouritesFromTheListsMenu()
    {
        TemporaryProgramFolder folder;
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.FillSearchList(QStringLiteral("banan"));
        const int line = firstFoodLine(*w.ListBoxLivsModel);
        QVERIFY(line >= 0);
        const QString banana = w.ListBoxLivsModel->visibleAt(line);
        state.search.SelectedListIndex = line;
        w.LggfavoritListan1->trigger();
        QCOMPARE(state.files.favourites.shown, QStringList{banana});

        // While other lists are shown the remove command is hidden; with the favourites it is there.
        emit w.PopupMenu1->aboutToShow();
        QVERIFY(!w.TabortfavoritListan1->isVisible());
        w.ButtonFavoriter->click();
        QCOMPARE(w.ListBoxLivsModel->visible(), QStringList{banana});
        emit w.PopupMenu1->aboutToShow();
        QVERIFY(w.TabortfavoritListan1->isVisible());
        state.search.SelectedListIndex = 0;
        w.TabortfavoritListan1->trigger();
        QVERIFY(state.files.favourites.shown.isEmpty());
        QCOMPARE(w.ListBoxLivsModel->count(), 0);
    }

    void choosingANormShowsItsIdealDistributionInTheSettings()
    {
        TemporaryProgramFolder folder;
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        state.settings.IdealEnergyDistribution = {1, 2, 3, 4, 5, 6};
        w.FormInst->RefreshFromSettings();
        QCOMPARE(w.FormInst->StringGridIdeal->Cells(1, 1), QStringLiteral("1"));
        int row = -1;
        for (int r = 0; r < w.FormNorm->DBGridNorm->rowCount(); ++r)
            if (w.FormNorm->DBGridNorm->item(r, 0) && w.FormNorm->DBGridNorm->item(r, 0)->text() == u"3")
                row = r;
        QVERIFY(row >= 0);
        w.FormNorm->ChooseStandardNorm(row);
        QVERIFY(state.settings.IdealEnergyDistribution[0] != 1.0f);
        QVERIFY(qAbs(TextToNumber(w.FormInst->StringGridIdeal->Cells(1, 1)) -
                     state.settings.IdealEnergyDistribution[0]) < 0.001f);
    }

private:
    std::optional<WindowTestScope> scope;
};

QTEST_MAIN(TestMainWiring)
#include "tst_mainwiring.moc"
