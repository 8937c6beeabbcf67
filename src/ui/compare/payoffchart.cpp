#include "payoffchart.h"

#include "ui/common/chartaxes.h"
#include "ui/common/planwords.h"

#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

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
    if (pen.style() == Qt::CustomDashLine)
        pen.setDashPattern({8, 3}); // in line widths: longer than Qt's own dash
    return pen;
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
    ChartAxes::style(*dates_, *money_);
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
    ChartAxes::Extent extent;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const bool shown = i < plans.size() && plans[i].paidOff();
        // One repaint for the whole line.
        lines_[i]->replace(shown ? ChartAxes::points(plans[i].paydates, plans[i].totals, extent)
                                 : QList<QPointF>());
    }
    ChartAxes::fit(*dates_, *money_, extent);
}
