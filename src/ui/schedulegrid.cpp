#include "schedulegrid.h"

#include "gridstyle.h"

#include <QHeaderView>

namespace {

// The system's application-workspace colour, behind the cells.
const QColor kWorkspace = QColor(0xAB, 0xAB, 0xAB);

} // namespace

ScheduleGrid::ScheduleGrid(QWidget* parent) : QTableView(parent)
{
    GridStyle::apply(*this);
    horizontalHeader()->hide();
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::StrongFocus);
    // Cells paint their own background (see ScheduleModel), so the view's
    // background shows only outside them.
    setStyleSheet(styleSheet() +
                  QStringLiteral("QTableView { background-color: %1; }").arg(kWorkspace.name()));
}
