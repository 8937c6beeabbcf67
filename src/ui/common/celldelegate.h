#pragma once

#include <QAbstractItemDelegate>

// Draws a grid cell as the grids need it and nothing more: its background
// (or the selection) and its text, clipped to the cell rather than shortened
// with an ellipsis. Hundreds of cells are drawn on every repaint, and the
// general delegate's layout and elision cost more than the drawing itself.
class CellDelegate : public QAbstractItemDelegate {
    Q_OBJECT

public:
    using QAbstractItemDelegate::QAbstractItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
