#include "gridstyle.h"

#include "twips.h"

#include <QHeaderView>
#include <QPalette>
#include <QTableView>

namespace GridStyle {

void apply(QTableView& view)
{
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setWordWrap(false);
    view.setGridStyle(Qt::SolidLine);
    // The grid lines are drawn in the palette's mid colour.
    QPalette palette = view.palette();
    palette.setColor(QPalette::Mid, kGridLines);
    view.setPalette(palette);
    QHeaderView* rows = view.verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(Twips::toPixels(kRowHeightTwips));
}

} // namespace GridStyle
