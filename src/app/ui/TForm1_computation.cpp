// The Computation as the main window shows it: new Computation, day and meal choice, the grid.
#include "app/ProgramState.h"
#include "app/ui/StringGrid.h"
#include "app/ui/TForm1.h"
#include "calc/Recalculate.h"
#include "food/SearchListModel.h"

#include <QComboBox>
#include <QListView>
#include <QLocale>
#include <QToolButton>

bool TForm1::NewComputation()
{
    if (!AskSaveBeforeDiscard())
        return false;
    discardRecoveryCopy();
    state.app.ComputationFileName.clear();
    state.app.ComputationChanged = false;
    ClearComputation(*state.computation, !state.app.StartingUp);
    MealButtons[0]->setChecked(true);
    ComboBox1->setCurrentIndex(0);
    UpdateCaption();
    return true;
}

void TForm1::Nyberkning1Click()
{
    NewComputation();
    Recalculate();
}

void TForm1::SelectDay(int day)
{
    if (day < 0 || day >= ComputationSize::Days)
        return;
    state.computation->CurrentDay = day;
    ComboBox1->setCurrentIndex(day);
    Recalculate();
}

void TForm1::SelectMeal(int meal)
{
    if (meal < 0 || meal >= ComputationSize::Meals)
        return;
    state.computation->CurrentMeal = meal;
    state.app.CurrentMealTitle = state.computation->MealNames[meal];
    MealButtons[meal]->setChecked(true);
    Recalculate();
}

void TForm1::ComboBox1Change(int index)
{
    SelectDay(index);
}

void TForm1::MealButtonClick(int meal)
{
    // A second click on the current breakfast, lunch or dinner, or on "Mm1" during any
    // in-between meal, lists the foods recently chosen for that kind of meal.
    const int current = state.computation->CurrentMeal;
    const bool again = meal <= 2 ? meal == current : meal == 3 && current >= 3;
    if (again)
        ShowMealTypeFoods(meal);
    SelectMeal(meal);
}

void TForm1::PaintMealGrid()
{
    const QLocale locale;
    const MealRows &rows = state.computation->currentMeal();
    const bool mealMode = state.app.DisplayMode == 0;
    StringGridMaltid->setUpdatesEnabled(false);
    for (int r = 1; r <= ComputationSize::RowsPerMeal; ++r) {
        const MealRow &row = rows[r];
        if (row.isEmpty()) {
            for (int c = 0; c < 5; ++c)
                StringGridMaltid->SetCells(c, r, QString());
            continue;
        }
        const float count = row.portionGrams <= 0.01f ? 0.0f : row.grams / row.portionGrams;
        StringGridMaltid->SetCells(0, r, row.name.toString());
        StringGridMaltid->SetCells(1, r,
                                   count <= 0.01f ? QStringLiteral("-") : locale.toString(count, 'f', 1));
        StringGridMaltid->SetCells(2, r, row.unitText.toString());
        StringGridMaltid->SetCells(3, r,
                                   row.grams <= 0.01f
                                       ? QStringLiteral("-")
                                       : locale.toString(row.grams, 'f', row.grams > 9.9f ? 0 : 1));
        StringGridMaltid->SetCells(4, r, row.timeText.toString());
        // In meal mode each row has the colour of its bar segments.
        const QBrush colour(mealMode ? MealRowColour(r) : QColor(Qt::black));
        for (int c = 0; c < 5; ++c)
            if (QTableWidgetItem *it = StringGridMaltid->item(StringGrid::tableRow(r), c))
                it->setForeground(colour);
    }
    StringGridMaltid->setUpdatesEnabled(true);
}

void TForm1::PaintMealButtons()
{
    const bool dayMode = state.app.DisplayMode == 1;
    for (int m = 0; m < ComputationSize::Meals; ++m) {
        QFont f = MealButtons[m]->font();
        f.setBold(!state.computation->row(state.computation->CurrentDay, m, 1).isEmpty());
        MealButtons[m]->setFont(f);
        // In day mode each meal's button matches its bar segments.
        QPalette p = MealButtons[m]->palette();
        p.setColor(QPalette::ButtonText,
                   dayMode ? MealRowColour(m + 1) : palette().color(QPalette::WindowText));
        MealButtons[m]->setPalette(p);
    }
}

void TForm1::UpdateCaption()
{
    setWindowTitle(MainWindowCaption(state));
}
