#include "payoffchart.h"

#include "platform/daydate.h"
#include "platform/formats.h"
#include "ui/common/plannames.h"

#include <QDateTimeAxis>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>
#include <algorithm>

namespace {

// Patterns that stay apart where the lines lie on each other.
constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                    Qt::DashDotDotLine};
constexpr qreal kLineWidth = 2;
constexpr qreal kSelectedWidth = 4;

QPen penFor(Plan plan, bool selected)
{
    static const QColor colours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28),
                                     QColor(0x2c, 0xa0, 0x2c), QColor(0x94, 0x67, 0xbd),
                                     QColor(0x7f, 0x7f, 0x7f)};
    const auto index = static_cast<size_t>(plan);
    QPen pen(colours[index], selected ? kSelectedWidth : kLineWidth, kStyles[index]);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// Noon of the day, in milliseconds since 1970 as the axis counts them;
// worked out directly, as a local QDateTime would ask the system for the
// time zone at every point.
constexpr qint64 kJulianDayOf1970 = 2440588;
constexpr qint64 kMsecsPerDay = 24 * 60 * 60 * 1000;

qreal msecsOf(double dayNumber)
{
    const qint64 day = DayDate::toDate(dayNumber).toJulianDay() - kJulianDayOf1970;
    return static_cast<qreal>(day * kMsecsPerDay + kMsecsPerDay / 2);
}

} // namespace

PayoffChart::PayoffChart(QWidget* parent)
    : QChartView(parent), dates_(new QDateTimeAxis), money_(new QValueAxis)
{
    setRenderHint(QPainter::Antialiasing);
    QChart* chart = this->chart();
    chart->setTitle(QStringLiteral("Total balance"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    dates_->setFormat(Format::kMonthYearPattern);
    money_->setLabelFormat(QStringLiteral("%.0f"));
    money_->setTitleText(QLocale().currencySymbol());
    chart->addAxis(dates_, Qt::AlignBottom);
    chart->addAxis(money_, Qt::AlignLeft);
    for (const Plan plan : kPlans) {
        auto* line = new QLineSeries;
        line->setName(planName(plan));
        line->setPen(penFor(plan, false));
        chart->addSeries(line);
        line->attachAxis(dates_);
        line->attachAxis(money_);
        lines_.push_back(line);
    }
}

void PayoffChart::setSelected(std::optional<Plan> selected)
{
    for (size_t i = 0; i < lines_.size(); ++i)
        lines_[i]->setPen(penFor(kPlans[i], kPlans[i] == selected));
}

void PayoffChart::setPlans(const std::vector<PlanOutcome>& plans)
{
    double first = 0;
    double last = 0;
    double highest = 0;
    for (size_t i = 0; i < lines_.size(); ++i) {
        QList<QPointF> points;
        if (i < plans.size() && plans[i].paidOff()) {
            const PlanOutcome& plan = plans[i];
            points.reserve(static_cast<qsizetype>(plan.totals.size()));
            for (size_t month = 0; month < plan.totals.size(); ++month)
                points.append({msecsOf(plan.paydates[month]), plan.totals[month]});
            first = first == 0 ? plan.paydates.front() : std::min(first, plan.paydates.front());
            last = std::max(last, plan.paydates.back());
            highest = std::max(highest, *std::max_element(plan.totals.begin(), plan.totals.end()));
        }
        lines_[i]->replace(points); // one repaint for the whole line
    }
    if (dates_->isVisible() != (first != 0)) {
        dates_->setVisible(first != 0);
        money_->setVisible(first != 0);
    }
    if (first == 0)
        return;
    dates_->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(msecsOf(first))),
                     QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(msecsOf(last))));
    money_->setRange(0, highest);
    money_->applyNiceNumbers();
}
