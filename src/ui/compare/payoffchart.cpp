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

qreal msecsOf(double dayNumber)
{
    return static_cast<qreal>(
        QDateTime(DayDate::toDate(dayNumber), QTime(12, 0)).toMSecsSinceEpoch());
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
        chart->addSeries(line);
        line->attachAxis(dates_);
        line->attachAxis(money_);
        lines_.push_back(line);
    }
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
    if (first == 0)
        return;
    dates_->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(msecsOf(first))),
                     QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(msecsOf(last))));
    money_->setRange(0, highest);
    money_->applyNiceNumbers();
}
