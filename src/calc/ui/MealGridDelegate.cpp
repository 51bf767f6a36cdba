#include "calc/ui/MealGridDelegate.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

QWidget *MealGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    // Name and unit are not typed: the unit comes from the unit list.
    if (index.column() == 0 || index.column() == 2)
        return nullptr;
    editing = index;
    return QStyledItemDelegate::createEditor(parent, option, index);
}

bool MealGridDelegate::isSearchKey(const QKeyEvent *key)
{
    const QString text = key->text();
    return !text.isEmpty() && text.at(0).unicode() >= 65 && !(key->modifiers() & Qt::ControlModifier);
}

bool MealGridDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *editor = qobject_cast<QLineEdit *>(object);
    if (!editor || event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(object, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const int row = editing.row() + 1;
    const int column = editing.column();
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const bool byEnter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const QString text = editor->text();
        auto *view = qobject_cast<QAbstractItemView *>(
            editor->parentWidget() ? editor->parentWidget()->parentWidget() : nullptr);
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        if (commit)
            commit(row, column, text, byEnter);
        if (!byEnter && view) {
            const int next = editing.row() + (key->key() == Qt::Key_Up ? -1 : 1);
            if (next >= 0 && next < view->model()->rowCount())
                view->setCurrentIndex(view->model()->index(next, column));
        }
        return true;
    }
    case Qt::Key_Escape:
        break;
    default:
        if (isSearchKey(key) && letter) {
            emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
            letter(key);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
