#include "formtable.h"

FormTable::FormTable(QWidget* parent) : QTableView(parent)
{
    setTabKeyNavigation(true);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QModelIndex FormTable::field(const QModelIndex& from, bool forward) const
{
    const QAbstractItemModel* table = model();
    if (!table)
        return {};
    const int columns = table->columnCount();
    const int cells = table->rowCount() * columns;
    const int at = from.isValid() ? from.row() * columns + from.column() : (forward ? -1 : cells);
    for (int cell = at + (forward ? 1 : -1); cell >= 0 && cell < cells; cell += forward ? 1 : -1) {
        const QModelIndex index = table->index(cell / columns, cell % columns);
        if (table->flags(index).testFlag(Qt::ItemIsEditable))
            return index;
    }
    return {};
}

QModelIndex FormTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action == MoveNext || action == MovePrevious)
        return field(currentIndex(), action == MoveNext);
    return QTableView::moveCursor(action, modifiers);
}

void FormTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    if ((forward || hint == QAbstractItemDelegate::EditPreviousItem) &&
        !field(currentIndex(), forward).isValid()) {
        // Past the last field (or before the first): out of the table.
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        if (forward)
            focusNextChild();
        else
            focusPreviousChild();
        return;
    }
    QTableView::closeEditor(editor, hint);
}
