#pragma once

#include "platform/yearmonth.h"

#include <QString>
#include <QStringList>

class QDateEdit;
class QPushButton;
class QTableWidget;
class QWidget;

// The fields the parts of the Payment Plan window are built of, made alike in
// every part.
namespace PlanFields {

// A month shown as "Jan 2047", picked in a date field that shows no day.
QDateEdit* monthField(QWidget* parent, const char* name, YearMonth month);
YearMonth monthIn(const QDateEdit* field);
QString monthText(YearMonth month);

QPushButton* button(QWidget* parent, const char* name, const QString& caption);
// A list of entries a row each, chosen by row; Tab leaves it.
QTableWidget* table(QWidget* parent, const char* name, const QStringList& headings);
void setRow(QTableWidget* table, int row, const QStringList& cells);

} // namespace PlanFields
