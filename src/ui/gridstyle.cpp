#include "gridstyle.h"

#include "twips.h"

#include <QHeaderView>
#include <QTableView>

namespace GridStyle {

void apply(QTableView& view)
{
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setWordWrap(false);
    view.setGridStyle(Qt::SolidLine);
    view.setStyleSheet(QStringLiteral("QTableView { gridline-color: %1; }").arg(kGridLines.name()));
    QHeaderView* rows = view.verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(Twips::toPixels(kRowHeightTwips));
}

} // namespace GridStyle
