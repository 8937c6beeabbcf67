#include "planfields.h"

#include "platform/daydate.h"
#include "platform/formats.h"
#include "ui/common/controls.h"
#include "ui/common/monthedit.h"

#include <QDateEdit>
#include <QPushButton>

namespace PlanFields {

using Controls::named;

QDateEdit* monthField(QWidget* parent, const char* name, YearMonth month)
{
    return named(new MonthEdit(month.firstDay(), parent), name);
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

} // namespace PlanFields
