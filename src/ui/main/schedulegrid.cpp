#include "schedulegrid.h"

#include "schedulemodel.h"
#include "ui/common/celldelegate.h"
#include "ui/common/gridstyle.h"
#include "ui/common/twips.h"

#include <QHeaderView>
#include <QScrollBar>

namespace {

// The system's application-workspace colour, behind the cells.
const QColor kWorkspace = QColor(0xAB, 0xAB, 0xAB);

void styleGrid(QTableView& view, CellDelegate& delegate)
{
    GridStyle::apply(view);
    view.setItemDelegate(&delegate);
    view.horizontalHeader()->hide();
    view.verticalHeader()->setDefaultSectionSize(Twips::toPixels(GridStyle::kRowHeightTwips));
    view.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.horizontalHeader()->setMinimumSectionSize(1);
    view.horizontalHeader()->setDefaultSectionSize(
        Twips::toPixels(ScheduleGrid::kColumnWidthTwips));
    view.setSelectionMode(QAbstractItemView::NoSelection);
    // Whole rows and columns scroll under the fixed panes, as the columns
    // are all as wide, the panes cover exactly the cells scrolled away.
    view.setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    view.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Cells paint their own background (see ScheduleModel), so the view's
    // background shows only outside them.
    QPalette palette = view.viewport()->palette();
    palette.setColor(QPalette::Base, kWorkspace);
    view.viewport()->setPalette(palette);
}

} // namespace

ScheduleGrid::ScheduleGrid(QWidget* parent)
    : QTableView(parent), cellDelegate_(new CellDelegate(this))
{
    styleGrid(*this, *cellDelegate_);
    // The headers only reserve the room the fixed panes are drawn in. The
    // room stays the same whether or not there is a schedule (an empty pane
    // looks like the empty grid), so a calculation never relays the grid out.
    horizontalHeader()->show();
    horizontalHeader()->setFixedHeight(ScheduleModel::kFixedRows *
                                       Twips::toPixels(GridStyle::kRowHeightTwips));
    verticalHeader()->show();
    verticalHeader()->setFixedWidth(ScheduleModel::kFixedColumns *
                                    Twips::toPixels(kColumnWidthTwips));
    setCornerButtonEnabled(false);
    setFocusPolicy(Qt::StrongFocus);
    headerRows_ = createPane();
    leadingColumns_ = createPane();
    corner_ = createPane();
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, headerRows_->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, leadingColumns_->verticalScrollBar(),
            &QScrollBar::setValue);
}

QTableView* ScheduleGrid::createPane()
{
    auto* pane = new QTableView(this);
    styleGrid(*pane, *cellDelegate_);
    pane->setFocusPolicy(Qt::NoFocus);
    pane->setFrameShape(QFrame::NoFrame);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return pane;
}

void ScheduleGrid::setScheduleModel(ScheduleModel* model)
{
    model_ = model;
    for (QTableView* view : {static_cast<QTableView*>(this), headerRows_, leadingColumns_, corner_})
        view->setModel(model);
    connect(model, &QAbstractItemModel::modelReset, this, &ScheduleGrid::scheduleChanged);
    scheduleChanged();
}

void ScheduleGrid::hideFixedCells(QTableView& view, bool rows, bool columns) const
{
    if (rows) {
        for (int row = 0; row < ScheduleModel::kFixedRows && row < model_->rowCount(); ++row)
            view.setRowHidden(row, true);
    }
    if (columns) {
        for (int column = 0;
             column < ScheduleModel::kFixedColumns && column < model_->columnCount(); ++column)
            view.setColumnHidden(column, true);
    }
}

void ScheduleGrid::scheduleChanged()
{
    hideFixedCells(*this, true, true);
    hideFixedCells(*headerRows_, false, true);
    hideFixedCells(*leadingColumns_, true, false);
    for (QTableView* view : {headerRows_, corner_}) {
        view->clearSpans();
        for (int row = 0; row < ScheduleModel::kFixedRows; ++row) {
            for (const auto& [column, width] : model_->mergedRuns(row))
                view->setSpan(row, column, 1, width);
        }
    }
    updateGeometries();
}

void ScheduleGrid::updateGeometries()
{
    QTableView::updateGeometries();
    placePanes();
}

void ScheduleGrid::placePanes()
{
    if (!headerRows_)
        return;
    const QRect top = horizontalHeader()->geometry();
    const QRect left = verticalHeader()->geometry();
    headerRows_->setGeometry(top);
    leadingColumns_->setGeometry(left);
    corner_->setGeometry(left.x(), top.y(), left.width(), top.height());
    headerRows_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    leadingColumns_->verticalScrollBar()->setValue(verticalScrollBar()->value());
}
