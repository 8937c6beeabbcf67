#include "progresschart.h"

#include "ui/common/chartaxes.h"

#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

namespace {

constexpr qreal kLineWidth = 2;

} // namespace

ProgressChart::ProgressChart(QWidget* parent)
    : QChartView(parent), dates_(new QDateTimeAxis), money_(new QValueAxis)
{
    setRenderHint(QPainter::Antialiasing);
    chart()->setTitle(QStringLiteral("Total balance"));
    chart()->legend()->setAlignment(Qt::AlignBottom);
    ChartAxes::style(*dates_, *money_);
    chart()->addAxis(dates_, Qt::AlignBottom);
    chart()->addAxis(money_, Qt::AlignLeft);
    planned_ = line(QStringLiteral("Your plan"), QColor(0x1f77b4), Qt::SolidLine);
    recorded_ = line(QStringLiteral("Recorded"), QColor(0x2ca02c), Qt::SolidLine);
    recorded_->setPointsVisible(true);
    projected_ = line(QStringLiteral("At this pace"), QColor(0xff7f0e), Qt::DashLine);
}

QLineSeries* ProgressChart::line(const QString& name, const QColor& colour, Qt::PenStyle style)
{
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(QPen(colour, kLineWidth, style));
    chart()->addSeries(series);
    series->attachAxis(dates_);
    series->attachAxis(money_);
    return series;
}

void ProgressChart::setProgress(const Progress& progress)
{
    ChartAxes::Extent extent;
    planned_->replace(ChartAxes::points(progress.planPaydates, progress.planTotals, extent));
    recorded_->replace(
        ChartAxes::points(progress.recordedPaydates, progress.recordedTotals, extent));
    // The projection goes on from the latest record.
    std::vector<double> paydates = progress.projectedPaydates;
    std::vector<double> totals = progress.projectedTotals;
    if (!paydates.empty() && !progress.recordedPaydates.empty()) {
        paydates.insert(paydates.begin(), progress.recordedPaydates.back());
        totals.insert(totals.begin(), progress.recordedTotals.back());
    }
    projected_->replace(ChartAxes::points(paydates, totals, extent));
    ChartAxes::fit(*dates_, *money_, extent);
}
