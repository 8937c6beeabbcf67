#include "schedulegrid.h"

#include "schedulemodel.h"
#include "ui/common/celldelegate.h"
#include "ui/common/gridstyle.h"
#include "ui/common/twips.h"

#include <QHash>
#include <QHeaderView>
#include <QIdentityProxyModel>
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
    // Whole rows and columns scroll under the fixed panes, so the panes
    // cover exactly the cells scrolled away.
    view.setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    view.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Cells paint their own background (see ScheduleModel), so the view's
    // background shows only outside them.
    QPalette palette = view.viewport()->palette();
    palette.setColor(QPalette::Base, kWorkspace);
    view.viewport()->setPalette(palette);
}

// A header that only reserves the room a pane is drawn in. Its size is set,
// so its size hint is that size: the view asks for it whenever its geometry
// changes, and the general header would measure the text of a hundred
// sections or more to give it.
class RoomHeader : public QHeaderView {
public:
    using QHeaderView::QHeaderView;

    QSize sizeHint() const override { return minimumSize(); }
};

// A pane's share of the schedule: no more rows or columns than it draws, so
// that its headers do not lay out the thousands of sections of a long
// schedule of many debts.
class PaneModel : public QIdentityProxyModel {
public:
    PaneModel(int rows, int columns, QObject* parent) // -1: all
        : QIdentityProxyModel(parent), rows_(rows), columns_(columns)
    {
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return limited(QIdentityProxyModel::rowCount(parent), rows_);
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return limited(QIdentityProxyModel::columnCount(parent), columns_);
    }

private:
    static int limited(int count, int most) { return most < 0 ? count : qMin(count, most); }

    int rows_;
    int columns_;
};

} // namespace

ScheduleGrid::ScheduleGrid(QWidget* parent)
    : QTableView(parent), cellDelegate_(new CellDelegate(this))
{
    setHorizontalHeader(new RoomHeader(Qt::Horizontal, this));
    setVerticalHeader(new RoomHeader(Qt::Vertical, this));
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
    headerRows_ = createPane(ScheduleModel::kFixedRows, -1);
    leadingColumns_ = createPane(-1, ScheduleModel::kFixedColumns);
    corner_ = createPane(ScheduleModel::kFixedRows, ScheduleModel::kFixedColumns);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, headerRows_->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, leadingColumns_->verticalScrollBar(),
            &QScrollBar::setValue);
}

QTableView* ScheduleGrid::createPane(int rows, int columns)
{
    auto* pane = new QTableView(this);
    pane->setModel(new PaneModel(rows, columns, pane));
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
    setModel(model);
    for (QTableView* pane : {headerRows_, leadingColumns_, corner_})
        static_cast<QIdentityProxyModel*>(pane->model())->setSourceModel(model);
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
    fitColumns();
    for (QTableView* view : {headerRows_, corner_})
        view->clearSpans();
    for (int row = 0; row < ScheduleModel::kFixedRows; ++row) {
        for (const auto& [column, width] : model_->mergedRuns(row)) {
            headerRows_->setSpan(row, column, 1, width);
            // The corner shows the leading columns only.
            if (column < ScheduleModel::kFixedColumns)
                corner_->setSpan(row, column, 1, width);
        }
    }
    updateGeometries();
}

void ScheduleGrid::fitColumns()
{
    const int designed = Twips::toPixels(kColumnWidthTwips);
    const QFontMetrics metrics(font());
    // Figures of one length are as wide: digits are tabular in the grid's
    // fonts. So a few lengths are measured, not thousands of texts.
    QHash<qsizetype, int> widthOfLength;
    const QStringList widest = model_->widestFigures();
    int leading = 0;
    for (int column = 0; column < widest.size(); ++column) {
        const QString& text = widest[column];
        int width = designed;
        if (!text.isEmpty()) {
            auto measured = widthOfLength.find(text.size());
            if (measured == widthOfLength.end())
                measured = widthOfLength.insert(text.size(), metrics.horizontalAdvance(text));
            width = std::max(designed, *measured + kCellPadding);
        }
        // A column resized is a header laid out again: only those that differ.
        for (QTableView* view :
             {static_cast<QTableView*>(this), headerRows_, leadingColumns_, corner_}) {
            if (column < view->model()->columnCount() && view->columnWidth(column) != width)
                view->setColumnWidth(column, width);
        }
        if (column < ScheduleModel::kFixedColumns)
            leading += width;
    }
    if (widest.isEmpty())
        leading = ScheduleModel::kFixedColumns * designed;
    verticalHeader()->setFixedWidth(leading);
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
