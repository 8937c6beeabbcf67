#pragma once

#include "platform/yearmonth.h"

#include <QString>

class QDateEdit;
class QPushButton;
class QWidget;

// The fields the parts of the Payment Plan window are built of, made alike in
// every part.
namespace PlanFields {

// A month shown as "Jan 2047", picked in a date field that shows no day.
QDateEdit* monthField(QWidget* parent, const char* name, YearMonth month);
YearMonth monthIn(const QDateEdit* field);
QString monthText(YearMonth month);

QPushButton* button(QWidget* parent, const char* name, const QString& caption);

} // namespace PlanFields
