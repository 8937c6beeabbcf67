#include "chartaxes.h"

#include "platform/daydate.h"
#include "platform/formats.h"

#include <QDateTime>
#include <QDateTimeAxis>
#include <QLocale>
#include <QValueAxis>
#include <algorithm>

namespace {

constexpr qint64 kMsecsPerDay = 24 * 60 * 60 * 1000;

} // namespace

namespace ChartAxes {

qreal timeOf(double dayNumber)
{
    return static_cast<qreal>(DayDate::daysSince1970(dayNumber) * kMsecsPerDay + kMsecsPerDay / 2);
}

void style(QDateTimeAxis& dates, QValueAxis& money)
{
    dates.setFormat(Format::kMonthYearPattern);
    money.setLabelFormat(QStringLiteral("%.0f"));
    money.setTitleText(QLocale().currencySymbol());
}

QList<QPointF> points(const std::vector<double>& paydates, const std::vector<double>& totals,
                      Extent& extent)
{
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(totals.size()));
    for (size_t month = 0; month < totals.size(); ++month) {
        points.append({timeOf(paydates[month]), totals[month]});
        extent.first =
            extent.first == 0 ? paydates[month] : std::min(extent.first, paydates[month]);
        extent.last = std::max(extent.last, paydates[month]);
        extent.highest = std::max(extent.highest, totals[month]);
    }
    return points;
}

void fit(QDateTimeAxis& dates, QValueAxis& money, const Extent& extent)
{
    const bool shown = extent.first != 0;
    if (dates.isVisible() != shown) {
        dates.setVisible(shown);
        money.setVisible(shown);
    }
    if (!shown)
        return;
    dates.setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(timeOf(extent.first))),
                   QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(timeOf(extent.last))));
    money.setRange(0, extent.highest);
    money.applyNiceNumbers();
}

} // namespace ChartAxes
