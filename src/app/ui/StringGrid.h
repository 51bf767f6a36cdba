#pragma once

#include <QTableWidget>

// A text grid addressed as Cells(column, row), where row 0 is the fixed header row and rows
// 1 to RowCount - 1 are the data rows; the header is the table's horizontal header.
class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    StringGrid(int columns, int rows, QWidget *parent = nullptr);

    QString Cells(int column, int row) const;
    void SetCells(int column, int row, const QString &text);
    int RowCount() const { return rowCount() + 1; }
    int ColCount() const { return columnCount(); }
    // The selected data row (1 based), or 0 when none.
    int SelectedRow() const;
    void SelectRow(int row);
    static int tableRow(int gridRow) { return gridRow - 1; }
    static int gridRow(int tableRow) { return tableRow + 1; }
};
