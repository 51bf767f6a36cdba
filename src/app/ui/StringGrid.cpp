#include "app/ui/StringGrid.h"

#include <QHeaderView>

StringGrid::StringGrid(int columns, int rows, QWidget *parent)
    : QTableWidget(rows - 1, columns, parent)
{
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    for (int c = 0; c < columns; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem);
}

QString StringGrid::Cells(int column, int row) const
{
    if (row == 0) {
        const QTableWidgetItem *h = horizontalHeaderItem(column);
        return h ? h->text() : QString();
    }
    const QTableWidgetItem *it = item(tableRow(row), column);
    return it ? it->text() : QString();
}

void StringGrid::SetCells(int column, int row, const QString &text)
{
    if (row == 0) {
        horizontalHeaderItem(column)->setText(text);
        return;
    }
    QTableWidgetItem *it = item(tableRow(row), column);
    if (!it) {
        if (text.isEmpty())
            return;
        it = new QTableWidgetItem;
        setItem(tableRow(row), column, it);
    }
    it->setText(text);
}

int StringGrid::SelectedRow() const
{
    const int r = currentRow();
    return r < 0 ? 0 : gridRow(r);
}

void StringGrid::SelectRow(int row)
{
    setCurrentCell(tableRow(row), currentColumn() < 0 ? 0 : currentColumn());
}
