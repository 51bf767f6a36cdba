#pragma once

#include <QStyledItemDelegate>
#include <functional>

class QKeyEvent;

// The cell editor of the meal grid: only the count, grams and time columns can be typed in;
// Enter and the up and down arrows commit the typed text through `commit`, and a letter goes
// to the search field through `letter` instead of into the cell.
class MealGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    std::function<void(int gridRow, int column, const QString &text, bool byEnter)> commit;
    std::function<void(QKeyEvent *key)> letter;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;

    // A key that sends its character to the search field (code of "A" or above).
    static bool isSearchKey(const QKeyEvent *key);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    mutable QPersistentModelIndex editing;
};
