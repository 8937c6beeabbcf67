#include "payoffchart.h"

#include "platform/daydate.h"
#include "platform/formats.h"
#include "ui/common/planwords.h"

#include <QDateTimeAxis>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>
#include <algorithm>

namespace {

constexpr qreal kLineWidth = 2;
constexpr qreal kSelectedWidth = 4;
// Paying only the minimums is no method, so it has no style in the methods'
// table; grey, and dashed apart from every method.
constexpr QRgb kMinimumsColour = 0x7f7f7f;
constexpr Qt::PenStyle kMinimumsDash = Qt::DashDotDotLine;

QPen penFor(const PayoffMethod* plan, bool selected)
{
    QPen pen(QColor(plan ? plan->chartColour : kMinimumsColour),
             selected ? kSelectedWidth : kLineWidth, plan ? plan->chartDash : kMinimumsDash);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// Noon of the day, in milliseconds since 1970 as the axis counts them;
// worked out directly, as a local QDateTime would ask the system for the
// time zone at every point.
constexpr qint64 kMsecsPerDay = 24 * 60 * 60 * 1000;

qreal msecsOf(double dayNumber)
{
    return static_cast<qreal>(DayDate::daysSince1970(dayNumber) * kMsecsPerDay + kMsecsPerDay / 2);
}

} // namespace

PayoffChart::PayoffChart(QWidget* parent)
    : QChartView(parent), plans_(PlanComparison::plans()), dates_(new QDateTimeAxis),
      money_(new QValueAxis)
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
    for (const PayoffMethod* plan : plans_) {
        auto* line = new QLineSeries;
        line->setName(PlanWords::name(plan));
        line->setPen(penFor(plan, false));
        chart->addSeries(line);
        line->attachAxis(dates_);
        line->attachAxis(money_);
        lines_.push_back(line);
    }
}

void PayoffChart::setSelected(int plan)
{
    for (size_t i = 0; i < lines_.size(); ++i)
        lines_[i]->setPen(penFor(plans_[i], static_cast<int>(i) == plan));
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
