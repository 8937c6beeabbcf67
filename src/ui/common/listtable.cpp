#include "listtable.h"

#include "controls.h"

#include <QHeaderView>
#include <QTableWidget>

namespace ListTable {

QTableWidget* create(QWidget* parent, const char* name, const QStringList& headings)
{
    auto* table =
        Controls::named(new QTableWidget(0, static_cast<int>(headings.size()), parent), name);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void setRow(QTableWidget* table, int row, const QStringList& cells, bool figuresRight)
{
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (figuresRight && column > 0)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }
}

} // namespace ListTable
