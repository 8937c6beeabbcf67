#include "debtgridcontrol.h"

#include "debtlistmodel.h"
#include "debtmenu.h"
#include "ui/common/celldelegate.h"
#include "ui/common/gridstyle.h"
#include "ui/common/twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>

namespace {

constexpr int kColumnWidths[DebtListModel::kColumnCount] = {1400, 900, 700, 900, 1000};

} // namespace

DebtGridControl::DebtGridControl(QTableView& grid, DebtListModel& debts, DebtMenu& menu,
                                 std::function<bool()> isBusy, std::function<double()> extraMoney,
                                 QObject* parent)
    : QObject(parent), grid_(grid), debts_(debts), menu_(menu), isBusy_(std::move(isBusy)),
      extraMoney_(std::move(extraMoney))
{
    prepare();
}

void DebtGridControl::prepare()
{
    grid_.setModel(&debts_);
    GridStyle::apply(grid_);
    grid_.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_.setTabKeyNavigation(false); // Tab leaves the grid; the arrows move in it
    grid_.horizontalHeader()->setHighlightSections(false);
    grid_.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_.horizontalHeader()->setFixedHeight(Twips::toPixels(GridStyle::kRowHeightTwips));
    grid_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_.setItemDelegate(new CellDelegate(&grid_));
    // The right button and the menu key over the cells or the white space
    // open the debt menu; over the header or the scroll bar, nothing.
    grid_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&grid_, &QWidget::customContextMenuRequested, this, &DebtGridControl::openMenu);
    grid_.verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    grid_.installEventFilter(this);
    // A debt just added is the one the user wants to see, even below the
    // rows in view.
    connect(&debts_, &DebtListModel::debtAdded, this, [this](int row) {
        grid_.selectRow(row);
        grid_.scrollTo(debts_.index(row, 0));
    });
    // The selected debt stays visibly selected while another control has the focus.
    QPalette palette = grid_.palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    grid_.setPalette(palette);
}

void DebtGridControl::setDesignedWidths()
{
    for (int column = 0; column < DebtListModel::kColumnCount; ++column)
        grid_.setColumnWidth(column, Twips::toPixels(kColumnWidths[column]));
}

bool DebtGridControl::hasDebts() const
{
    return debts_.rowCount() > 0;
}

QString DebtGridControl::currentKey() const
{
    const int row = qMax(grid_.currentIndex().row(), 0);
    return debts_.index(row, DebtListModel::CreditorColumn).data(DebtListModel::KeyRole).toString();
}

void DebtGridControl::keepARowCurrent()
{
    grid_.setSelectionMode(hasDebts() ? QAbstractItemView::SingleSelection
                                      : QAbstractItemView::NoSelection);
    if (hasDebts())
        grid_.selectRow(qMax(grid_.currentIndex().row(), 0));
}

bool DebtGridControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (gridKey(key->key(), key->modifiers()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool DebtGridControl::gridKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
        // The other menu key, which Qt leaves to the widget.
        const QModelIndex current = grid_.currentIndex();
        const QRect below(0, grid_.viewport()->height() - 1, 1, 1);
        openMenu((current.isValid() ? grid_.visualRect(current) : below).center());
        return true;
    }
    if (modifiers != Qt::NoModifier && modifiers != Qt::KeypadModifier)
        return false;
    switch (key) {
    case Qt::Key_Insert:
        menu_.addItem->trigger();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        if (hasDebts())
            menu_.editItem->trigger();
        return true;
    case Qt::Key_Delete:
        if (hasDebts())
            menu_.deleteItem->trigger();
        return true;
    default:
        return false;
    }
}

void DebtGridControl::openMenu(const QPoint& viewportPosition)
{
    if (isBusy_())
        return;
    // The row under the pointer, by height alone: a point right of the last
    // column still names its row. Below the rows the current row stays.
    const int row = grid_.rowAt(viewportPosition.y());
    if (row >= 0)
        grid_.selectRow(row);
    std::optional<QString> current;
    if (hasDebts())
        current = currentKey();
    menu_.prepare(current, extraMoney_());
    menu_.popup(grid_.viewport()->mapToGlobal(viewportPosition));
}
