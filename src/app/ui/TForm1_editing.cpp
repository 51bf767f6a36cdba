// Entering and editing food rows: adding foods from the search list, typing in the meal grid,
// the unit list, "+", "-", "Ta bort rad", "Byt alla" and "Ångra".
#include "app/NumberText.h"
#include "app/ProgramState.h"
#include "app/ui/Dialogs.h"
#include "app/ui/StringGrid.h"
#include "app/ui/TForm1.h"
#include "calc/RowEditing.h"
#include "calc/ui/MealGridDelegate.h"
#include "calc/ui/ResultViews.h"
#include "food/SearchListModel.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kFoodMime = QStringLiteral("application/x-velmora-food");
const QString kNotThisColumn = QStringLiteral("Du kan inte ändra i denna kolumn");

} // namespace

void TForm1::connectEditing()
{
    auto *delegate = new MealGridDelegate(StringGridMaltid);
    delegate->commit = [this](int row, int column, const QString &text, bool byEnter) {
        CommitMealCell(row, column, text, byEnter);
    };
    delegate->letter = [this](QKeyEvent *key) { typeIntoSearchField(key->text()); };
    StringGridMaltid->setItemDelegate(delegate);
    StringGridMaltid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                                      QAbstractItemView::EditKeyPressed);
    StringGridMaltid->installEventFilter(this);
    StringGridMaltid->viewport()->installEventFilter(this);
    StringGridMaltid->viewport()->setAcceptDrops(true);
    StringGridMaltid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StringGridMaltid, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row < 0)
            return;
        state.computation->CurrentRow = StringGrid::gridRow(row);
        SelectedColumn = column;
        if (state.app.FoodEnergyCircleMode && FormEnergiCirkel->isVisible())
            FormEnergiCirkel->fill(state, state.computation->CurrentRow);
    });
    connect(StringGridMaltid, &QWidget::customContextMenuRequested, this, &TForm1::showUnitList);

    ListBoxLivs->installEventFilter(this);
    ListBoxLivs->viewport()->installEventFilter(this);
    connect(ListBoxLivs, &QListView::doubleClicked, this, [this] { AddFood(0, false); });
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(ButtonBytAlla, &QPushButton::clicked, this, &TForm1::ButtonBytAllaClick);
    connect(ButtonAngra, &QPushButton::clicked, this, &TForm1::ButtonAngraClick);
    connect(ListBoxVikter, &QListWidget::itemClicked, this, &TForm1::ListBoxVikterClick);
    connect(TimerHogerKlick, &QTimer::timeout, MemoHogerklick, &QWidget::hide);
    connect(Edit1, &QLineEdit::textEdited, ListBoxVikter, &QWidget::hide);
}

void TForm1::AddFood(int row, bool insert)
{
    Computation &comp = *state.computation;
    TakeUndoSnapshot(comp);
    const QModelIndex selected = ListBoxLivs->currentIndex();
    if (!selected.isValid())
        return;
    if (state.app.FirstFoodHintPending) {
        MemoHogerklick->setGeometry(StringGridMaltid->geometry().left() + 40,
                                    StringGridMaltid->geometry().top() + 40, 320, 40);
        MemoHogerklick->show();
        MemoHogerklick->raise();
        TimerHogerKlick->start();
        state.app.FirstFoodHintPending = false;
    }
    const QString shown = ListBoxLivsModel->visibleAt(selected.row());
    const QString twin = ListBoxLivsModel->twinAt(selected.row());
    const QString code = CodeFromTwinLine(twin);
    if (code.isEmpty())
        return; // a header line of the list, not a food
    RowEditing::RememberRecentFood(state.recent, comp.CurrentMeal, shown, twin);
    state.app.ComputationChanged = true;
    if (code.contains(QStringLiteral("recept")))
        return; // recipes are fetched by the recipe code

    // Looked up before any row moves, so that an unknown code leaves the meal as it was.
    const std::optional<FoundFood> found =
        state.foods ? state.foods->FindFood(code, LookupChain::AddFood) : std::optional<FoundFood>{};
    if (!found) {
        Dialogs::information(this, QStringLiteral("Livsmedel med nr ") + code + QStringLiteral(" finns ej."));
        return;
    }
    MealRows &rows = comp.currentMeal();
    const int target = RowEditing::PrepareTargetRow(rows, row, insert);
    comp.CurrentRow = target;
    RowEditing::FillRowFromFood(rows[target], found->record);
    if (found->source == FoodRegister::Fabrikant) {
        if (found->record.unit == QStringLiteral("tablett"))
            Dialogs::information(this,
                                 QStringLiteral("Skriv 100 gram för en tablett, 200 gram för två osv."));
        else if (found->record.unit == QStringLiteral("dagsdos"))
            Dialogs::information(
                this, QStringLiteral("100 i gramkolumnen motsvarar en dagsdos, 50 en halvdagsdos osv."));
    }
    RowEditing::CopyTimeFromRowAbove(rows, target);
    StringGridMaltid->setCurrentCell(StringGrid::tableRow(target), 3);
    Recalculate();
    StringGridMaltid->setFocus();
    if (StringGridMaltid->Cells(2, target) == QStringLiteral("Tablett"))
        Dialogs::information(this, QStringLiteral("100 gram motsvarar en tablett"));
}

bool TForm1::AddFoodByCode(const QString &text)
{
    Computation &comp = *state.computation;
    const QString code = RowEditing::NationalCodeForm(text);
    const std::optional<FoundFood> found =
        state.foods ? state.foods->FindFood(code, LookupChain::StandardWeights) : std::optional<FoundFood>{};
    if (!found)
        return false;
    MealRows &rows = comp.currentMeal();
    const int target = RowEditing::FirstFreeRow(rows);
    comp.CurrentRow = target;
    TakeUndoSnapshot(comp);
    RowEditing::FillRowFromFood(rows[target], found->record, false);
    state.app.ComputationChanged = true;
    StringGridMaltid->setCurrentCell(StringGrid::tableRow(target), 3);
    // Shown at once: a row that only appears at the next recalculation looks lost.
    Recalculate();
    StringGridMaltid->setFocus();
    return true;
}

void TForm1::AddTextRow(const QString &text)
{
    Computation &comp = *state.computation;
    TakeUndoSnapshot(comp);
    MealRows &rows = comp.currentMeal();
    const int target = RowEditing::FirstFreeRow(rows);
    RowEditing::SetTextRow(rows[target], text);
    state.app.ComputationChanged = true;
    Recalculate();
}

void TForm1::CommitMealCell(int row, int column, const QString &text, bool byEnter)
{
    Computation &comp = *state.computation;
    if (row < 1 || row > ComputationSize::RowsPerMeal)
        return;
    comp.CurrentRow = row;
    MealRows &rows = comp.currentMeal();
    switch (column) {
    case 1:
        if (byEnter)
            TakeUndoSnapshot(comp);
        RowEditing::SetCount(rows[row], TextToNumber(text));
        break;
    case 3:
        if (byEnter)
            TakeUndoSnapshot(comp);
        rows[row].grams = TextToNumber(text);
        break;
    case 4:
        RowEditing::SetTimeFrom(rows, row, text);
        break;
    default:
        Dialogs::information(this, kNotThisColumn);
        return;
    }
    state.app.ComputationChanged = true;
    Recalculate();
    if (byEnter) {
        StringGridMaltid->setCurrentCell(StringGrid::tableRow(row), 4);
        Edit1->setFocus();
    }
}

void TForm1::typeIntoSearchField(const QString &text)
{
    Edit1->setText(text);
    Edit1->setFocus();
    // The quick search starts as if the letter had been typed in the field.
    if (auto *quickSearch = findChild<QTimer *>(QStringLiteral("Timer1")))
        quickSearch->start();
}

bool TForm1::handleMealGridKey(QKeyEvent *key)
{
    // While a cell is being edited its editor has the keys; these reach the grid itself.
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Nothing was typed: the shown text is rounded (a count of 1,08 shows as 1,1), so
        // committing it would change the amount behind the user's back.
        const int row = StringGridMaltid->SelectedRow();
        const int column = StringGridMaltid->currentColumn();
        if (column == 0 || column == 2) {
            Dialogs::information(this, kNotThisColumn);
        } else if (row >= 1) {
            StringGridMaltid->setCurrentCell(StringGrid::tableRow(row), 4);
            Edit1->setFocus();
        }
        return true;
    }
    case Qt::Key_Escape:
        Edit1->setFocus();
        return true;
    default:
        if (MealGridDelegate::isSearchKey(key)) {
            typeIntoSearchField(key->text());
            return true;
        }
    }
    return false;
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (!StringGridMaltid)
        return QMainWindow::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (watched == StringGridMaltid && type == QEvent::KeyPress)
        return handleMealGridKey(static_cast<QKeyEvent *>(event));
    if (watched == StringGridMaltid->viewport()) {
        if (type == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && ListBoxVikter->isVisible()) {
            ListBoxVikter->hide();
            Recalculate();
        } else if (type == QEvent::DragEnter || type == QEvent::DragMove) {
            auto *drag = static_cast<QDropEvent *>(event);
            if (drag->mimeData()->hasFormat(kFoodMime)) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (type == QEvent::Drop) {
            auto *drop = static_cast<QDropEvent *>(event);
            if (drop->mimeData()->hasFormat(kFoodMime)) {
                const int tableRow = StringGridMaltid->rowAt(drop->position().toPoint().y());
                drop->acceptProposedAction();
                AddFood(tableRow < 0 ? 0 : StringGrid::gridRow(tableRow), tableRow >= 0);
                return true;
            }
        }
    }
    if (watched == ListBoxLivs && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            AddFood(0, false);
            return true;
        }
        if (key == Qt::Key_Escape) {
            Edit1->setFocus();
            return true;
        }
    }
    if (watched == ListBoxLivs->viewport()) {
        // Dragging a food from the search list onto the meal grid inserts it there.
        static QPoint pressedAt;
        if (type == QEvent::MouseButtonPress)
            pressedAt = static_cast<QMouseEvent *>(event)->position().toPoint();
        else if (type == QEvent::MouseMove) {
            auto *move = static_cast<QMouseEvent *>(event);
            if ((move->buttons() & Qt::LeftButton) && ListBoxLivs->currentIndex().isValid() &&
                (move->position().toPoint() - pressedAt).manhattanLength() >=
                    QApplication::startDragDistance()) {
                auto *drag = new QDrag(ListBoxLivs);
                auto *mime = new QMimeData;
                mime->setData(kFoodMime, QByteArray::number(ListBoxLivs->currentIndex().row()));
                drag->setMimeData(mime);
                drag->exec(Qt::CopyAction);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::showUnitList(const QPoint &gridPos)
{
    const int tableRow = StringGridMaltid->rowAt(gridPos.y());
    ListBoxVikter->clear();
    if (tableRow < 0)
        return;
    const int row = StringGrid::gridRow(tableRow);
    StringGridMaltid->setCurrentCell(tableRow, std::max(0, StringGridMaltid->currentColumn()));
    const MealRow &mealRow = state.computation->currentMeal()[row];
    if (mealRow.isEmpty())
        return;
    ListBoxVikter->addItems(RowEditing::UnitListEntries(mealRow));
    const QPoint at = StringGridMaltid->viewport()->mapTo(centralWidget(), gridPos) + QPoint(0, 36);
    const int height = std::min(300, ListBoxVikter->sizeHintForRow(0) * ListBoxVikter->count() + 6);
    ListBoxVikter->setGeometry(at.x(), at.y(), 220, height);
    ListBoxVikter->show();
    ListBoxVikter->raise();
}

void TForm1::ListBoxVikterClick(QListWidgetItem *item)
{
    const int row = state.computation->CurrentRow;
    if (!item || row < 1 || row > ComputationSize::RowsPerMeal)
        return;
    const bool isName = ListBoxVikter->row(item) == 0;
    if (isName) {
        ListBoxVikter->hide();
        return;
    }
    if (!RowEditing::ApplyUnitEntry(state.computation->currentMeal()[row], item->text()))
        return;
    state.app.ComputationChanged = true;
    Recalculate();
    StringGridMaltid->setCurrentCell(StringGrid::tableRow(row), 1);
    StringGridMaltid->setFocus();
    ListBoxVikter->hide();
}

void TForm1::Button3Click()
{
    AddFood(0, false);
}

void TForm1::Button4Click()
{
    const int row = state.computation->CurrentRow;
    MealRow &r = state.computation->currentMeal()[row];
    if (!r.isEmpty()) {
        r.grams += RowEditing::GramStep(r);
        state.app.ComputationChanged = true;
        Recalculate();
    }
    Edit1->setFocus();
}

void TForm1::Button5Click()
{
    const int row = state.computation->CurrentRow;
    MealRow &r = state.computation->currentMeal()[row];
    if (!r.isEmpty()) {
        const float step = RowEditing::GramStep(r);
        if (step >= r.grams) {
            if (Dialogs::askYesNo(this, QStringLiteral("Vill du ta bort denna rad?")) == Dialogs::Answer::Yes)
                deleteCurrentRow();
        } else {
            r.grams -= step;
            state.app.ComputationChanged = true;
            Recalculate();
        }
    }
    Edit1->setFocus();
}

void TForm1::Button6Click()
{
    deleteCurrentRow();
}

void TForm1::deleteCurrentRow()
{
    Computation &comp = *state.computation;
    TakeUndoSnapshot(comp);
    RowEditing::DeleteRow(comp.currentMeal(), comp.CurrentRow);
    state.app.ComputationChanged = true;
    Recalculate();
    Edit1->setFocus();
}

void TForm1::ButtonBytAllaClick()
{
    Computation &comp = *state.computation;
    const int row = comp.CurrentRow;
    const QModelIndex selected = ListBoxLivs->currentIndex();
    if (StringGridMaltid->Cells(0, row).isEmpty() || !selected.isValid()) {
        Dialogs::information(
            this, QStringLiteral("Markera både vilken rad som ska bytas och vilket livsmedel som ska "
                                 "ersätta raden innan du klickar på \"Byt alla\""));
        return;
    }
    if (Dialogs::askYesNo(
            this, QStringLiteral("In a meal, mark the fooditem you want to change, i.e. Orange. Find the "
                                 "fooditem that is to replace orange, i.e. apple and mark it. Done "
                                 "this?")) != Dialogs::Answer::Yes)
        return;
    const QString rowName = StringGridMaltid->Cells(0, row);
    const QString newName = ListBoxLivsModel->visibleAt(selected.row());
    if (Dialogs::askYesNo(this,
                          QStringLiteral("Want to change all \"%1\"   to   \"%2\"").arg(rowName, newName)) !=
        Dialogs::Answer::Yes)
        return;
    const QString oldCode = comp.currentMeal()[row].code.toString();
    const QString newCode = CodeFromTwinLine(ListBoxLivsModel->twinAt(selected.row()));
    if (newCode.isEmpty())
        return;
    TakeUndoSnapshot(comp);
    // The replaced rows are rebuilt from the registers as opening a saved file would rebuild
    // them, without writing a file or changing the Computation's file name.
    if (state.foods)
        RowEditing::ReplaceFoodEverywhere(comp, *state.foods, oldCode, newCode);
    else
        RowEditing::ReplaceCodeEverywhere(comp, oldCode, newCode);
    state.app.ComputationChanged = true;
    Recalculate();
}

void TForm1::ButtonAngraClick()
{
    SwapUndoSnapshot(*state.computation);
    state.app.ComputationChanged = true;
    Recalculate();
}
