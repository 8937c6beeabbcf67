#include "planfields.h"

#include "platform/daydate.h"
#include "platform/formats.h"
#include "ui/common/controls.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace PlanFields {

using Controls::named;

QDateEdit* monthField(QWidget* parent, const char* name, YearMonth month)
{
    auto* field = named(new QDateEdit(month.firstDay(), parent), name);
    field->setDisplayFormat(Format::kMonthYearPattern);
    return field;
}

YearMonth monthIn(const QDateEdit* field)
{
    return YearMonth::of(field->date());
}

QString monthText(YearMonth month)
{
    return Format::monthYear(DayDate::fromDate(month.firstDay()));
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    return named(new QPushButton(caption, parent), name);
}

QTableWidget* table(QWidget* parent, const char* name, const QStringList& headings)
{
    auto* table = named(new QTableWidget(0, static_cast<int>(headings.size()), parent), name);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false); // Tab leaves the table
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void setRow(QTableWidget* table, int row, const QStringList& cells)
{
    for (int column = 0; column < cells.size(); ++column)
        table->setItem(row, column, new QTableWidgetItem(cells[column]));
}

} // namespace PlanFields
