#include "app/ProgramState.h"
#include "app/SettingsFile.h"
#include "app/ui/Dialogs.h"
#include "app/ui/StringGrid.h"
#include "app/ui/TForm1.h"
#include "app/ui/TFormInst.h"
#include "calc/RowEditing.h"
#include "calc/ui/BarChartView.h"
#include "calc/ui/ResultViews.h"
#include "food/SearchListModel.h"
#include "support/FakeFoodLookup.h"
#include "support/Screenshot.h"
#include "support/TestSupport.h"
#include "support/WindowTestScope.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHorizontalStackedBarSeries>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QPieSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QValueAxis>
#include <optional>

namespace {

// A started main window with a few foods in the search list and the registers.
struct Fixture {
    TemporaryProgramFolder folder;
    ProgramState state;
    FakeFoodLookup foods;
    std::unique_ptr<TForm1> w;

    Fixture()
    {
        state.foods = &foods;
        foods.add(FoodRegister::Brasol100,
                  makeFood(QStringLiteral("1_1"), QStringLiteral("Bröd"), 8, 3, 45, 120));
        foods.add(FoodRegister::Brasol100,
                  makeFood(QStringLiteral("2_2"), QStringLiteral("Ost"), 25, 28, 0, 0.3f));
        foods.add(FoodRegister::Brasol100,
                  makeFood(QStringLiteral("3_3"), QStringLiteral("Smör"), 0.5f, 80, 0, 10));
        w = std::make_unique<TForm1>(state);
        const Status s = w->FormCreate(folder.path());
        if (!s.ok)
            qFatal("%s", qPrintable(s.message));
        state.app.StartingUp = false;
        // Round numbers instead of the default norm and selection that start-up installs.
        state.norm.values.fill(100.0f);
        state.norm.values[Nutrient::index(Nutrient::EnergyKcal)] = 2000;
        state.selection.Selected.fill(true);
        w->ListBoxLivsModel->setLines(
            {QStringLiteral("Bröd"), QStringLiteral("Ost"), QStringLiteral("Smör")},
            {MakeTwinLine(QStringLiteral("Bröd"), QStringLiteral("1_1"), "1", "port"),
             MakeTwinLine(QStringLiteral("Ost"), QStringLiteral("2_2"), "1", "port"),
             MakeTwinLine(QStringLiteral("Smör"), QStringLiteral("3_3"), "1", "port")});
        w->resize(1300, 800);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("main window not exposed");
    }
    void choose(int line) { w->ListBoxLivs->setCurrentIndex(w->ListBoxLivsModel->index(line)); }
    // Double-click on a line of the search list.
    void doubleClick(int line)
    {
        choose(line);
        const QRect r = w->ListBoxLivs->visualRect(w->ListBoxLivsModel->index(line));
        QTest::mouseClick(w->ListBoxLivs->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(w->ListBoxLivs->viewport(), Qt::LeftButton, {}, r.center());
    }
    QString cell(int c, int r) const { return w->StringGridMaltid->Cells(c, r); }
    // Clicks a cell of the meal grid and types the text with Enter, as a user does.
    void type(int row, int column, const QString &text, Qt::Key commitKey = Qt::Key_Return)
    {
        StringGrid *g = w->StringGridMaltid;
        const QRect rect = g->visualRect(g->model()->index(StringGrid::tableRow(row), column));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, rect.center());
        for (QChar ch : text) {
            QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : g;
            QTest::keyClicks(target, QString(ch));
        }
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : g;
        QTest::keyClick(target, commitKey);
    }
    MealRow &row(int r) { return state.computation->currentMeal()[r]; }
};

} // namespace

class TestCalcWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden)); }
    void init() { scope.emplace(); }
    void cleanup() { scope.reset(); }

    void doubleClickAddsOnePortionAndTypedCountSetsGrams()
    {
        Fixture f;
        f.doubleClick(0);
        QCOMPARE(f.cell(0, 1), QStringLiteral("Bröd"));
        QCOMPARE(f.cell(1, 1), QStringLiteral("1,0"));
        QCOMPARE(f.cell(2, 1), QStringLiteral("port"));
        QCOMPARE(f.cell(3, 1), QStringLiteral("120"));
        QVERIFY(f.state.app.ComputationChanged);
        QCOMPARE(f.state.recent.all.count(), 1);
        QCOMPARE(f.state.recent.breakfast.count(), 1);
        QVERIFY(f.w->MemoHogerklick->isVisible());
        QVERIFY(f.w->TimerHogerKlick->isActive());
        QCOMPARE(f.w->TimerHogerKlick->interval(), 3000);
        QVERIFY(f.w->TimerHogerKlick->isSingleShot());
        QVERIFY(!f.state.app.FirstFoodHintPending);
        QVERIFY(f.w->windowTitle().endsWith(QStringLiteral("500 kcal/Frukost")));
        QVERIFY(f.w->MealButtons[0]->font().bold());
        QCOMPARE(f.w->ComboBox1->itemText(0), QStringLiteral("DAG1"));

        f.type(1, 1, QStringLiteral("2,5"));
        QCOMPARE(f.row(1).grams, 300.0f);
        QCOMPARE(f.cell(3, 1), QStringLiteral("300"));
        QCOMPARE(f.cell(1, 1), QStringLiteral("2,5"));
        QCOMPARE(f.w->SelectedColumn, 4);
        QVERIFY(f.w->Edit1->hasFocus());
        // 300 g of 8 g protein per 100 g in the results.
        QCOMPARE(f.state.results->MealSums[0][0][Nutrient::index(Nutrient::Protein)], 24.0f);
        saveScreenshot(*f.w, QStringLiteral("calc_main"));

        // The hint hides itself and is shown once per run.
        f.w->TimerHogerKlick->start(1);
        QTRY_VERIFY(!f.w->MemoHogerklick->isVisible());

        // A second food lands in the next free row; grams typed directly.
        f.doubleClick(2);
        QVERIFY(!f.w->MemoHogerklick->isVisible());
        QCOMPARE(f.cell(0, 2), QStringLiteral("Smör"));
        f.type(2, 3, QStringLiteral("4,5"));
        QCOMPARE(f.cell(3, 2), QStringLiteral("4,5"));
        f.type(2, 3, QStringLiteral("12,34"));
        QCOMPARE(f.cell(3, 2), QStringLiteral("12"));
        QCOMPARE(f.cell(1, 2), QStringLiteral("1,2"));
    }

    void countForAPortionOfZeroGivesZeroGrams()
    {
        Fixture f;
        f.doubleClick(0);
        f.row(1).portionGrams = 0;
        f.type(1, 1, QStringLiteral("3"));
        QCOMPARE(f.row(1).grams, 0.0f);
        QCOMPARE(f.cell(3, 1), QStringLiteral("-"));
        QCOMPARE(f.cell(1, 1), QStringLiteral("-"));
    }

    void nameAndUnitColumnsAreNotTyped()
    {
        Fixture f;
        f.doubleClick(0);
        StringGrid *g = f.w->StringGridMaltid;
        g->setCurrentCell(0, 0);
        g->setFocus();
        QTest::keyClick(g, Qt::Key_Return);
        QCOMPARE(Dialogs::lastMessage(), QStringLiteral("Du kan inte ändra i denna kolumn"));
        // A letter goes to the search field.
        QTest::keyClick(g, Qt::Key_B, Qt::NoModifier);
        QVERIFY(f.w->Edit1->hasFocus());
        QCOMPARE(f.w->Edit1->text().toUpper(), QStringLiteral("B"));
    }

    void arrowKeyCommitsAndMovesWithoutAnUndoStep()
    {
        Fixture f;
        f.doubleClick(0);
        f.type(1, 3, QStringLiteral("200"), Qt::Key_Down);
        QCOMPARE(f.row(1).grams, 200.0f);
        QCOMPARE(f.cell(3, 1), QStringLiteral("200"));
        QCOMPARE(f.w->StringGridMaltid->SelectedRow(), 2);
        // The last undo step is still the added food.
        f.w->ButtonAngra->click();
        QCOMPARE(f.cell(0, 1), QString());
    }

    void enterWithoutTypingKeepsTheAmount()
    {
        Fixture f;
        f.doubleClick(0);
        f.row(1).grams = 130;
        f.w->Recalculate();
        QCOMPARE(f.cell(1, 1), QStringLiteral("1,1"));
        StringGrid *g = f.w->StringGridMaltid;
        g->setCurrentCell(0, 1);
        g->setFocus();
        QTest::keyClick(g, Qt::Key_Return);
        QCOMPARE(f.row(1).grams, 130.0f);
        QVERIFY(f.w->Edit1->hasFocus());
    }

    void timeIsCopiedDown()
    {
        Fixture f;
        for (int i = 0; i < 3; ++i)
            f.doubleClick(i);
        f.type(3, 4, QStringLiteral("8,30"));
        QCOMPARE(f.cell(4, 3), QStringLiteral("8,30"));
        QCOMPARE(f.row(3).timeSlot, 34);
        QCOMPARE(f.row(199).timeSlot, 34);
        QCOMPARE(f.row(2).timeSlot, 96);
        // The next food below a timed row takes its time.
        f.doubleClick(0);
        QCOMPARE(f.cell(4, 4), QStringLiteral("8,30"));
        QCOMPARE(f.state.results->TimeSlotSums[34][Nutrient::index(Nutrient::Protein)] > 0, true);
    }

    void plusAndMinus()
    {
        Fixture f;
        f.doubleClick(0); // portion 120
        f.doubleClick(1); // portion 0.3
        f.w->StringGridMaltid->setCurrentCell(0, 3);
        f.w->Button4->click();
        QCOMPARE(f.row(1).grams, 132.0f);
        f.w->StringGridMaltid->setCurrentCell(1, 3);
        f.w->Button4->click();
        QCOMPARE(f.row(2).grams, 10.3f);
        // "-" on 5 g with portion 120 asks whether to delete the row.
        f.row(1).grams = 5;
        f.w->StringGridMaltid->setCurrentCell(0, 3);
        Dialogs::queueAnswer(Dialogs::Answer::Yes);
        f.w->Button5->click();
        QCOMPARE(Dialogs::lastMessage(), QStringLiteral("Vill du ta bort denna rad?"));
        QCOMPARE(f.cell(0, 1), QStringLiteral("Ost"));
        QCOMPARE(f.cell(0, 2), QString());
    }

    void deleteAndUndoTwice()
    {
        Fixture f;
        f.doubleClick(0);
        f.doubleClick(1);
        f.w->StringGridMaltid->setCurrentCell(0, 0);
        f.w->Button6->click();
        QCOMPARE(f.cell(0, 1), QStringLiteral("Ost"));
        f.w->ButtonAngra->click();
        QCOMPARE(f.cell(0, 1), QStringLiteral("Bröd"));
        QCOMPARE(f.cell(0, 2), QStringLiteral("Ost"));
        f.w->ButtonAngra->click();
        QCOMPARE(f.cell(0, 1), QStringLiteral("Ost"));
    }

    void unknownCodeLeavesTheMealAsItWas()
    {
        Fixture f;
        f.doubleClick(0);
        f.w->ListBoxLivsModel->setLines(
            {QStringLiteral("Okänd")},
            {MakeTwinLine(QStringLiteral("Okänd"), QStringLiteral("9_9"), "1", "g")});
        f.choose(0);
        f.w->AddFood(1, true);
        QCOMPARE(Dialogs::lastMessage(), QStringLiteral("Livsmedel med nr 9_9 finns ej."));
        QCOMPARE(f.cell(0, 1), QStringLiteral("Bröd"));
        QCOMPARE(f.cell(0, 2), QString());
    }

    void insertAtARow()
    {
        Fixture f;
        f.doubleClick(0);
        f.doubleClick(1);
        f.choose(2);
        f.w->AddFood(2, true);
        QCOMPARE(f.cell(0, 1), QStringLiteral("Bröd"));
        QCOMPARE(f.cell(0, 2), QStringLiteral("Smör"));
        QCOMPARE(f.cell(0, 3), QStringLiteral("Ost"));
    }

    void droppingOnTheGridInsertsAtTheRow()
    {
        Fixture f;
        f.doubleClick(0);
        f.doubleClick(1);
        f.choose(2);
        StringGrid *g = f.w->StringGridMaltid;
        const QPoint at = g->visualRect(g->model()->index(StringGrid::tableRow(2), 0)).center();
        QMimeData mime;
        mime.setData(QStringLiteral("application/x-velmora-food"), "2");
        // A drop reaches only the widget that accepted the drag's entry.
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(g->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(g->viewport(), &drop);
        QCOMPARE(f.cell(0, 1), QStringLiteral("Bröd"));
        QCOMPARE(f.cell(0, 2), QStringLiteral("Smör"));
        QCOMPARE(f.cell(0, 3), QStringLiteral("Ost"));
    }

    void manufacturersTabletsExplainTheirGrams()
    {
        Fixture f;
        FoodRecord tablet = makeFood(QStringLiteral("F1"), QStringLiteral("Vitamintablett"), 0, 0, 0, 100,
                                     QStringLiteral("tablett"));
        f.foods.add(FoodRegister::Fabrikant, tablet);
        f.w->ListBoxLivsModel->setLines(
            {QStringLiteral("Vitamintablett")},
            {MakeTwinLine(QStringLiteral("Vitamintablett"), QStringLiteral("F1"), "1", "tablett")});
        f.doubleClick(0);
        QCOMPARE(Dialogs::lastMessage(),
                 QStringLiteral("Skriv 100 gram för en tablett, 200 gram för två osv."));
        QCOMPARE(f.cell(0, 1), QStringLiteral("Vitamintablett"));
    }

    void unitListPicksAUnit()
    {
        Fixture f;
        FoodRecord milk =
            makeFood(QStringLiteral("4_4"), QStringLiteral("Mjölk"), 3.4f, 3, 5, 200, QStringLiteral("glas"));
        milk.unitNames[0] = QStringLiteral("dl");
        milk.unitGrams[0] = 103;
        f.foods.add(FoodRegister::Brasol100, milk);
        f.w->ListBoxLivsModel->setLines(
            {QStringLiteral("Mjölk")},
            {MakeTwinLine(QStringLiteral("Mjölk"), QStringLiteral("4_4"), "1", "glas")});
        f.doubleClick(0);
        StringGrid *g = f.w->StringGridMaltid;
        const QRect rect = g->visualRect(g->model()->index(0, 0));
        emit g->customContextMenuRequested(rect.center());
        QVERIFY(f.w->ListBoxVikter->isVisible());
        QCOMPARE(f.w->ListBoxVikter->item(1)->text(), QStringLiteral("103 g/dl"));
        f.w->ListBoxVikterClick(f.w->ListBoxVikter->item(1));
        QVERIFY(!f.w->ListBoxVikter->isVisible());
        QCOMPARE(f.cell(2, 1), QStringLiteral("dl"));
        QCOMPARE(f.cell(3, 1), QStringLiteral("103"));
        QCOMPARE(f.w->SelectedColumn, 1);
    }

    void replaceAllNeedsARowAndAFood()
    {
        Fixture f;
        f.w->ButtonBytAllaClick();
        QVERIFY(Dialogs::lastMessage().startsWith(QStringLiteral("Markera både vilken rad")));
        f.doubleClick(0);
        f.w->SelectDay(3);
        f.doubleClick(0);
        f.choose(1);
        Dialogs::queueAnswer(Dialogs::Answer::Yes);
        Dialogs::queueAnswer(Dialogs::Answer::Yes);
        f.w->StringGridMaltid->setCurrentCell(0, 0);
        f.w->ButtonBytAllaClick();
        QCOMPARE(Dialogs::lastMessage(), QStringLiteral("Want to change all \"Bröd\"   to   \"Ost\""));
        QCOMPARE(f.state.computation->row(0, 0, 1).code.toString(), QStringLiteral("2_2"));
        QCOMPARE(f.cell(0, 1), QStringLiteral("Ost"));
        QCOMPARE(f.state.computation->row(3, 0, 1).grams, 120.0f);
    }

    void pageSizeAndPaging()
    {
        QCOMPARE(TForm1::BarPageSize(280, 21), 9);
        QCOMPARE(TForm1::BarPageSize(280, 72), 10);
        QCOMPARE(TForm1::BarPageSize(280, 5), 5);
        QCOMPARE(TForm1::BarPageSize(280, 11), 10 - 1);
        Fixture f;
        for (int n = Nutrient::First; n <= Nutrient::Last; ++n)
            f.state.selection.Selected[n] = n < Nutrient::First + 21;
        f.w->ChartStapel->setFixedHeight(280);
        f.doubleClick(0);
        QCOMPARE(f.w->BarPageSizeShown, 9);
        QCOMPARE(f.w->SpinButton1->maximum(), 3);
        QVERIFY(f.w->SpinButton1->isVisible());
        QCOMPARE(f.w->ChartStapel->categoryAxis()->count(), 9);
        f.w->SpinButton1->setValue(3);
        QCOMPARE(f.w->ChartStapel->categoryAxis()->count(), 3);
    }

    void zoomTwiceAndBack()
    {
        Fixture f;
        f.w->Button1->click();
        f.w->Button1->click();
        QCOMPARE(f.w->ChartStapel->valueAxis()->max(), 400.0);
        QVERIFY(f.w->Button2->isVisible());
        f.w->Button2->click();
        QCOMPARE(f.w->ChartStapel->valueAxis()->max(), 300.0);
        f.w->Button2->click();
        QCOMPARE(f.w->ChartStapel->valueAxis()->max(), 200.0);
        QVERIFY(f.w->Button2->isVisible());
        f.w->Button2->click();
        QCOMPARE(f.w->ChartStapel->valueAxis()->max(), 100.0);
        QVERIFY(!f.w->Button2->isVisible());
    }

    void barsInPercentOfTheMealsShareAndLabelModes()
    {
        Fixture f;
        // Bread: 120 g of 8 g protein = 9.6 g; norm 100 g, share 0.25 -> 38.4 %.
        f.doubleClick(0);
        auto *series = f.w->ChartStapel->series();
        QCOMPARE(series->count(), 1);
        const int proteinPoint = Nutrient::Protein - Nutrient::First;
        f.w->SpinButton1->setValue(1 + proteinPoint / f.w->BarPageSizeShown);
        // Categories run bottom-up: the page's last nutrient comes first.
        const int first = proteinPoint / f.w->BarPageSizeShown * f.w->BarPageSizeShown;
        const int last = std::min(Nutrient::Count, first + f.w->BarPageSizeShown);
        const int at = last - 1 - proteinPoint;
        QCOMPARE(qRound(series->barSets().at(0)->at(at) * 10), 384);
        QCOMPARE(f.w->ChartStapel->categoryAxis()->at(at),
                 QStringLiteral("Protein ") + QStringLiteral("   9,6g"));
        f.w->ButtonProcent->click();
        QCOMPARE(f.w->ButtonProcent->text(), QStringLiteral("Värde"));
        QCOMPARE(f.w->ChartStapel->categoryAxis()->at(at), QStringLiteral("Protein 38%"));
        QVERIFY(f.w->ChartStapel->referenceLineX() > 0);
        // Missing values: the button turns red and the bars count foods.
        f.w->SpeedButton8->click();
        QVERIFY(f.w->SpeedButton8->styleSheet().contains(QStringLiteral("red")));
        QCOMPARE(f.w->ChartStapel->categoryAxis()->at(at), QStringLiteral("Protein   0 st"));
        QVERIFY(f.w->ChartStapel->chart()->title().startsWith(QStringLiteral("Antal livsmedel som saknar")));
    }

    void noShareShowsTheNote()
    {
        Fixture f;
        f.w->SelectMeal(5);
        QVERIFY(f.w->MemoStapel->isVisible());
        f.w->SelectMeal(0);
        QVERIFY(!f.w->MemoStapel->isVisible());
        QVERIFY(f.w->ChartStapel->chart()->title().startsWith(
            QStringLiteral("% of recommended intake for Breakfast ")));
    }

    void moreThanHundredRowsAreAllCharted()
    {
        Fixture f;
        for (int r = 1; r <= 150; ++r)
            RowEditing::FillRowFromFood(
                f.row(r), makeFood(QStringLiteral("1_1"), QStringLiteral("Bröd"), 8, 3, 45, 120));
        f.w->Recalculate();
        QCOMPARE(f.w->ChartStapel->series()->count(), 150);
        QCOMPARE(f.cell(0, 150), QStringLiteral("Bröd"));
    }

    void energyPiesAndAlcohol()
    {
        Fixture f;
        FoodRecord wine = makeFood(QStringLiteral("5_5"), QStringLiteral("Vin"), 1, 0, 3, 100);
        wine.nutrients[Nutrient::index(Nutrient::Alcohol)] = 20;
        f.foods.add(FoodRegister::Brasol100, wine);
        f.w->ListBoxLivsModel->setLines(
            {QStringLiteral("Vin")},
            {MakeTwinLine(QStringLiteral("Vin"), QStringLiteral("5_5"), "1", "glas")});
        f.doubleClick(0);
        f.w->SpeedButton6->click();
        QVERIFY(f.w->ChartEnergi->isVisible());
        QVERIFY(!f.w->ChartStapel->isVisible());
        QVERIFY(f.w->CheckboxAlkohol->isVisible());
        auto *pie = static_cast<QPieSeries *>(f.w->ChartEnergi->chart()->series().at(0));
        auto *ideal = static_cast<QPieSeries *>(f.w->ChartEnergiRek->chart()->series().at(0));
        QCOMPARE(pie->count(), 4);
        QCOMPARE(ideal->count(), 4);
        const double proteinWith = pie->slices().at(0)->value();
        f.w->CheckboxAlkohol->click();
        QCOMPARE(f.state.app.AlcoholFactor, 0);
        QCOMPARE(pie->count(), 3);
        QCOMPARE(ideal->count(), 3);
        QVERIFY(pie->slices().at(0)->value() > proteinWith);
        saveScreenshot(*f.w, QStringLiteral("calc_pies"));
    }

    void dayAndDaysModes()
    {
        Fixture f;
        f.doubleClick(0);
        f.w->SpeedButton10->click();
        QCOMPARE(f.state.app.DisplayMode, 1);
        QCOMPARE(f.w->ChartStapel->series()->count(), 9);
        QCOMPARE(f.w->ChartStapel->chart()->title(), QStringLiteral("Näring i % av behovet för hela DAG1"));
        QCOMPARE(f.w->MealButtons[1]->palette().color(QPalette::ButtonText), QColor(0xFF0000));
        f.w->SpeedButton11->click();
        QCOMPARE(f.w->ChartStapel->series()->count(), 21);
        QCOMPARE(f.w->ChartStapel->chart()->title(),
                 QStringLiteral("Näring i % av dagsbehovet för perioden"));
    }

    void resultViews()
    {
        Fixture f;
        f.doubleClick(0);
        f.w->ButtonVisaSiffrorClick();
        saveScreenshot(*f.w->Formsiffror, QStringLiteral("calc_numbers"));
        StringGrid *numbers = f.w->Formsiffror->StringGrid1;
        QCOMPARE(numbers->Cells(1, 0), QStringLiteral("Bröd  120 gram"));
        QCOMPARE(numbers->Cells(0, 5), f.state.catalogue.DisplayName[19]);
        QCOMPARE(numbers->Cells(2, 5).trimmed(), QStringLiteral("9,6"));
        QCOMPARE(numbers->Cells(5, 5), QStringLiteral("10%"));
        f.w->ButtonNvPerKgClick();
        QCOMPARE(f.w->FormNvPerKg->StringGrid1->Cells(2, 5).trimmed(), QStringLiteral("1,0"));
        f.w->ButtonNv100gClick();
        QCOMPARE(f.w->FormNvPer100g->EditGram->text(), QStringLiteral("120"));
        QCOMPARE(f.w->FormNvPer100g->StringGrid1->Cells(1, 5).trimmed(), QStringLiteral("8,0"));
        f.w->ButtonEnergiCirkelClick();
        QCOMPARE(f.w->FormEnergiCirkel->Chart1->chart()->title(), QStringLiteral("Bröd"));
        QCOMPARE(f.w->FormEnergiCirkel->PieSeries1->count(), 3);
    }

    void settingsWindow()
    {
        Fixture f;
        TFormInst *inst = f.w->FormInst;
        f.w->Installningar1->trigger();
        QVERIFY(inst->isVisible());
        saveScreenshot(*inst, QStringLiteral("calc_settings"));
        QCOMPARE(inst->StringGridMaltider->Cells(1, 1), QStringLiteral("25"));
        QCOMPARE(inst->StringGridIdeal->Cells(1, 4), QStringLiteral("12.5"));
        // A typed share counts at the next recalculation, before "Verkställ".
        inst->StringGridMaltider->SetCells(1, 1, QStringLiteral("50"));
        f.w->Recalculate();
        QCOMPARE(f.state.settings.MealShares[0], 0.5f);
        QVERIFY(f.w->windowTitle().endsWith(QStringLiteral("1000 kcal/Frukost")));
        QVERIFY(!QFile::exists(f.folder.filePath(QStringLiteral("velmora.para"))));
        inst->StringGridIdeal->SetCells(1, 1, QStringLiteral("20"));
        inst->ButtonVerkstall->click();
        QCOMPARE(f.state.settings.IdealEnergyDistribution[0], 20.0f);
        auto saved = SettingsFile::read(f.folder.filePath(QStringLiteral("velmora.para")));
        QVERIFY(saved.ok());
        QCOMPARE(saved->at(0), QStringLiteral("50"));
        QCOMPARE(saved->at(9), QStringLiteral("20"));

        // Whole-day mode hides eight meal buttons and renames the first.
        f.w->SelectMeal(2);
        inst->RadioNej->click();
        QVERIFY(f.state.settings.WholeDayMode);
        QCOMPARE(f.w->MealButtons[0]->text(), QStringLiteral("Hela dagen"));
        QVERIFY(!f.w->MealButtons[4]->isVisible());
        QCOMPARE(f.state.computation->CurrentMeal, 0);
        QVERIFY(f.w->windowTitle().endsWith(QStringLiteral("2000 kcal/Hela dagen")));
        inst->RadioJa->click();
        QCOMPARE(f.w->MealButtons[0]->text(), QStringLiteral("Frukost"));
        QVERIFY(f.w->MealButtons[4]->isVisible());
        QCOMPARE(f.state.settings.MealShares[0], 0.5f);

        // A norm that divides the day sets the shares as numbers and refreshes the window.
        f.state.settings.MealShares = {0.33f, 0.33f, 0.33f, 0, 0, 0, 0, 0, 0};
        inst->RefreshFromSettings();
        QCOMPARE(inst->StringGridMaltider->Cells(1, 2), QStringLiteral("33"));
        f.w->Recalculate();
        QCOMPARE(f.state.settings.MealShares[3], 0.0f);
        QCOMPARE(f.state.settings.MealShares[1], 0.33f);
        inst->StringGridMaltider->SetCells(1, 1, QStringLiteral("50"));

        // The next start reads the file.
        ProgramState other;
        TForm1 again(other);
        QVERIFY(again.FormCreate(f.folder.path()).ok);
        QCOMPARE(other.settings.MealShares[0], 0.5f);
        QCOMPARE(again.FormInst->StringGridMaltider->Cells(1, 1), QStringLiteral("50"));
        QCOMPARE(other.settings.IdealEnergyDistribution[0], 20.0f);
    }

    void recentListOnSecondClickOfTheCurrentMeal()
    {
        Fixture f;
        f.doubleClick(2);
        f.w->ListBoxLivsModel->setLines({}, {});
        f.w->MealButtons[0]->click();
        QCOMPARE(f.w->ListBoxLivsModel->count(), 1);
        QCOMPARE(f.w->ListBoxLivsModel->visibleAt(0), QStringLiteral("Smör"));
    }

    void textRowAndCodeEntry()
    {
        Fixture f;
        f.w->AddTextRow(QStringLiteral("Kl 8: frukost"));
        QCOMPARE(f.cell(0, 1), QStringLiteral("Kl 8: frukost"));
        QCOMPARE(f.cell(3, 1), QStringLiteral("-"));
        QVERIFY(f.w->AddFoodByCode(QStringLiteral("11")));
        QCOMPARE(f.cell(0, 2), QStringLiteral("Bröd"));
        QVERIFY(!f.w->AddFoodByCode(QStringLiteral("77")));
        QCOMPARE(f.cell(0, 3), QString());
    }

private:
    std::optional<WindowTestScope> scope;
};

QTEST_MAIN(TestCalcWindow)
#include "tst_calcwindow.moc"
