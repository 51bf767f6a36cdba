// The Computation as the main window shows it: new Computation, day and meal choice, the grid.
#include "app/ProgramState.h"
#include "app/ui/StringGrid.h"
#include "app/ui/TForm1.h"

#include <QComboBox>
#include <QLocale>
#include <QToolButton>

bool TForm1::NewComputation()
{
    if (!AskSaveBeforeDiscard())
        return false;
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
    PaintMealGrid();
    PaintMealButtons();
}

void TForm1::SelectDay(int day)
{
    if (day < 0 || day >= ComputationSize::Days)
        return;
    state.computation->CurrentDay = day;
    ComboBox1->setCurrentIndex(day);
    PaintMealGrid();
    PaintMealButtons();
}

void TForm1::SelectMeal(int meal)
{
    if (meal < 0 || meal >= ComputationSize::Meals)
        return;
    state.computation->CurrentMeal = meal;
    MealButtons[meal]->setChecked(true);
    PaintMealGrid();
}

void TForm1::ComboBox1Change(int index)
{
    SelectDay(index);
}

void TForm1::MealButtonClick(int meal)
{
    SelectMeal(meal);
}

void TForm1::PaintMealGrid()
{
    const QLocale locale;
    const MealRows &rows = state.computation->currentMeal();
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
        StringGridMaltid->SetCells(1, r, count <= 0.01f ? QStringLiteral("-") : locale.toString(count, 'f', 1));
        StringGridMaltid->SetCells(2, r, row.unitText.toString());
        StringGridMaltid->SetCells(3, r,
                                   row.grams <= 0.01f ? QStringLiteral("-")
                                                      : locale.toString(row.grams, 'f', row.grams > 9.9f ? 0 : 1));
        StringGridMaltid->SetCells(4, r, row.timeText.toString());
    }
    StringGridMaltid->setUpdatesEnabled(true);
}

void TForm1::PaintMealButtons()
{
    for (int m = 0; m < ComputationSize::Meals; ++m) {
        QFont f = MealButtons[m]->font();
        f.setBold(state.computation->mealHasFood(state.computation->CurrentDay, m));
        MealButtons[m]->setFont(f);
    }
}

void TForm1::UpdateCaption()
{
    setWindowTitle(state.norm.NormCaption.isEmpty() ? QStringLiteral("Velmora") : state.norm.NormCaption);
}
