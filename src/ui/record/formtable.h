#pragma once

#include <QTableView>

// A table the user types into, as a form: Tab and Shift+Tab move between its
// fields (the cells that can be edited), each opened for typing as it is
// reached, and leave the table after the last field or before the first.
// The arrows move within, as in any table.
class FormTable : public QTableView {
    Q_OBJECT

public:
    explicit FormTable(QWidget* parent = nullptr);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    // The next field after (or before) this cell; none past the last (first).
    QModelIndex field(const QModelIndex& from, bool forward) const;
};
