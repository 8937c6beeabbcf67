#include "payoffchart.h"

#include "ui/common/chartaxes.h"
#include "ui/common/planwords.h"

#include <QDateTimeAxis>
#include <QLegendMarker>
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
    // Beside the lines, a name a row: every name shows whole.
    chart->legend()->setAlignment(Qt::AlignRight);
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
    // The selected plan's line again, added last so that it is drawn over
    // the lines that lie on it; it has no name of its own in the legend.
    selectedLine_ = new QLineSeries;
    chart->addSeries(selectedLine_);
    selectedLine_->attachAxis(dates_);
    selectedLine_->attachAxis(money_);
    for (QLegendMarker* marker : chart->legend()->markers(selectedLine_))
        marker->setVisible(false);
}

void PayoffChart::setSelected(int plan)
{
    selected_ = plan;
    for (size_t i = 0; i < lines_.size(); ++i)
        lines_[i]->setPen(penFor(plans_[i], static_cast<int>(i) == plan));
    const bool shown = plan >= 0 && plan < static_cast<int>(lines_.size());
    selectedLine_->replace(shown ? lines_[static_cast<size_t>(plan)]->points() : QList<QPointF>());
    if (shown)
        selectedLine_->setPen(penFor(plans_[static_cast<size_t>(plan)], true));
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
    setSelected(selected_);
    // What the lines show, for a reader that cannot see them.
    QStringList said = {QStringLiteral("Total balance month by month.")};
    for (const PlanOutcome& plan : plans)
        said.append(QStringLiteral("%1: %2%3.")
                        .arg(PlanWords::name(plan.method),
                             plan.paidOff() ? QStringLiteral("debt-free in ") : QString(),
                             PlanWords::debtFree(plan)));
    setAccessibleDescription(plans.empty() ? QString() : said.join(QLatin1Char(' ')));
}
