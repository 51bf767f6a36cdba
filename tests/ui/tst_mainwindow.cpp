#include "app/ProgramState.h"
#include "app/ui/Dialogs.h"
#include "app/ui/StringGrid.h"
#include "app/ui/TForm1.h"
#include "support/Screenshot.h"
#include "support/TestSupport.h"
#include "support/WindowTestScope.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <optional>

namespace {
void putFood(ProgramState &s, int day, int meal, int row)
{
    MealRow &r = s.computation->row(day, meal, row);
    r.code.assign(QStringLiteral("101"));
    r.name.assign(QStringLiteral("Mjölk fett 3%"));
    r.unitText.assign(QStringLiteral("glas"));
    r.portionGrams = 200;
    r.grams = 250;
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { scope.emplace(); }
    void cleanup() { scope.reset(); }

    void startsFromItsProgramFolderWithAnEmptyComputation()
    {
        TemporaryProgramFolder folder;
        folder.writeText(QStringLiteral("losenord.txt"), {QStringLiteral("*x"), QStringLiteral("KOST")});
        ProgramState state;
        TForm1 w(state);
        const Status s = w.FormCreate(folder.path());
        QVERIFY2(s.ok, qPrintable(s.message));
        QCOMPARE(QDir::currentPath(), QDir(folder.path()).canonicalPath());
        QCOMPARE(state.app.ProgramDirectory, QDir::currentPath());
        QCOMPARE(state.app.EditLockPassword, QStringLiteral("KOST"));
        QCOMPARE(state.catalogue.DisplayName[19], QStringLiteral("Protein g"));
        // The norm window installs the default norm, number 18, while the program starts.
        QCOMPARE(state.norm.SelectedStandardNorm.number, 18);
        QCOMPARE(state.norm.NormKind, QStringLiteral("standardnorm"));
        QCOMPARE(w.ComboBox1->count(), 21);
        QCOMPARE(w.ComboBox1->itemText(20), QStringLiteral("dag21"));
        QVERIFY(w.MealButtons[0]->isChecked());
        QCOMPARE(w.MealButtons[0]->text(), QStringLiteral("Frukost"));
        QCOMPARE(w.StringGridMaltid->Cells(0, 0), QStringLiteral("Livsmedel"));
        QCOMPARE(w.StringGridMaltid->Cells(4, 0), QStringLiteral("klockan"));
        QCOMPARE(w.StringGridMaltid->RowCount(), 200);
        // Start-up switches once to the extended layout.
        QCOMPARE(w.ButtonEnklare->text(), QStringLiteral("Visa enklare version."));
        w.show();
        QVERIFY(!w.MemoHelp->isVisible());
        w.ButtonEnklareClick();
        QCOMPARE(w.ButtonEnklare->text(), QStringLiteral("Visa fler funktioner."));
        QVERIFY(w.MemoHelp->isVisible());
        QVERIFY(w.ComboBoxSLVgrupp->isVisible());
        QVERIFY(Dialogs::shownMessages().isEmpty());
    }

    void countryXHidesLanguageMenuAndCountryBoxes()
    {
        TemporaryProgramFolder folder;
        folder.writeText(QStringLiteral("country.txt"), {QStringLiteral("x")});
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        w.show();
        QCOMPARE(state.app.CountryCode, QStringLiteral("X"));
        QVERIFY(!w.Vljsprk1->menuAction()->isVisible());
        QVERIFY(!w.CheckBoxSvensk->isVisible());
        QVERIFY(!w.CheckBoxNorsk->isVisible());
        QVERIFY(!w.CheckBoxDansk->isVisible());
    }

    void badCatalogueStopsStartUpWithTheFileAndLine()
    {
        TemporaryProgramFolder folder;
        folder.writeText(QStringLiteral("nvnamn.txt"),
                         {QStringLiteral("15 Energi kJ,0"), QStringLiteral("x5 Fel g,1")});
        ProgramState state;
        TForm1 w(state);
        const Status s = w.FormCreate(folder.path());
        QVERIFY(!s.ok);
        QVERIFY(s.message.startsWith(QStringLiteral("Fel i namnfilen nvnamn.txt")));
        QVERIFY(s.message.contains(QStringLiteral("rad 2")));
    }

    void groupListFollowsTheCountryBoxes()
    {
        TemporaryProgramFolder folder;
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        w.ComboBoxSLVgruppH->clear(); // start-up filled it from the registers
        w.ComboBoxSLVgruppH->addItems(
            {QStringLiteral("hidden item 0"), QStringLiteral("Bröd"), QStringLiteral("Fisk/No"), QString()});
        w.BuildVisibleGroupList();
        QCOMPARE(w.ComboBoxSLVgrupp->count(), 2);
        QCOMPARE(w.ComboBoxSLVgrupp->itemText(0), QStringLiteral(" Livsmedelsgrupper"));
        QCOMPARE(w.ComboBoxSLVgrupp->itemText(1), QStringLiteral("Bröd"));
        w.CheckBoxNorsk->setChecked(true);
        w.CheckBoxSvensk->setChecked(false);
        w.BuildVisibleGroupList();
        QCOMPARE(w.ComboBoxSLVgrupp->count(), 2);
        QCOMPARE(w.ComboBoxSLVgrupp->itemText(1), QStringLiteral("Fisk/No"));
    }

    void newComputationAnswers_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("wentAhead");
        QTest::addColumn<bool>("rowsKept");
        QTest::newRow("No discards") << int(Dialogs::Answer::No) << true << false;
        QTest::newRow("Cancel keeps everything") << int(Dialogs::Answer::Cancel) << false << true;
        // The save command is not available yet; a failed save must not throw the rows away.
        QTest::newRow("Yes with a failed save keeps everything")
            << int(Dialogs::Answer::Yes) << false << true;
    }
    void newComputationAnswers()
    {
        QFETCH(int, answer);
        QFETCH(bool, wentAhead);
        QFETCH(bool, rowsKept);
        TemporaryProgramFolder folder;
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        putFood(state, 2, 1, 1);
        state.app.ComputationChanged = true;
        state.app.ComputationFileName = QStringLiteral("anna.diet");
        w.SelectDay(2);
        w.SelectMeal(1);
        QCOMPARE(w.StringGridMaltid->Cells(0, 1), QStringLiteral("Mjölk fett 3%"));
        QCOMPARE(w.StringGridMaltid->Cells(3, 1), QStringLiteral("250"));
        QVERIFY(w.MealButtons[1]->font().bold());
        saveScreenshot(w, QStringLiteral("mainwindow-food"));

        Dialogs::queueAnswer(Dialogs::Answer(answer));
        QCOMPARE(w.NewComputation(), wentAhead);
        QCOMPARE(Dialogs::shownMessages().first(),
                 QStringLiteral("Vill du spara denna beräkning innan en ny startas?"));
        QCOMPARE(!state.computation->row(2, 1, 1).isEmpty(), rowsKept);
        QCOMPARE(state.app.ComputationChanged, rowsKept);
        QCOMPARE(state.app.ComputationFileName, rowsKept ? QStringLiteral("anna.diet") : QString());
        QCOMPARE(state.computation->CurrentDay, rowsKept ? 2 : 0);
    }

    void menuCommandRepaintsAnEmptyGrid()
    {
        TemporaryProgramFolder folder;
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        putFood(state, 0, 0, 1);
        w.PaintMealGrid();
        w.PaintMealButtons();
        w.Nyberkning1->trigger(); // unchanged Computation: no question
        QVERIFY(Dialogs::shownMessages().isEmpty());
        QCOMPARE(w.StringGridMaltid->Cells(0, 1), QString());
        QVERIFY(!w.MealButtons[0]->font().bold());
        QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("dag1"));
    }

    void closingWithCancelKeepsTheWindowOpen()
    {
        TemporaryProgramFolder folder;
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        putFood(state, 0, 0, 1);
        state.app.ComputationChanged = true;
        Dialogs::queueAnswer(Dialogs::Answer::Cancel);
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QVERIFY(!state.computation->row(0, 0, 1).isEmpty());
        QCOMPARE(Dialogs::lastMessage(),
                 QStringLiteral("Vill du spara denna beräkning innan en ny startas?"));

        Dialogs::queueAnswer(Dialogs::Answer::No);
        QVERIFY(w.close());
        QVERIFY(!w.isVisible());
    }

private:
    std::optional<WindowTestScope> scope;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
