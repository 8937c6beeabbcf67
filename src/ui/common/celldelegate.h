#pragma once

#include <QAbstractItemDelegate>

// Draws a grid cell as the grids need it and nothing more: its background
// (or the selection), its text, and a dotted frame round the current cell
// while the grid has the focus. Hundreds of cells are drawn on every repaint,
// and the general delegate's layout costs more than the drawing itself. A
// text wider than its cell ends in "…" and shows whole in the cell's tip: a
// figure cut silently reads as another number.
class CellDelegate : public QAbstractItemDelegate {
    Q_OBJECT

public:
    using QAbstractItemDelegate::QAbstractItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // The text as the cell shows it: whole, or shortened with "…" to fit.
    static QString shownText(const QStyleOptionViewItem& option, const QString& text);
};
