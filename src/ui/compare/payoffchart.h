#pragma once

#include "calc/plancomparison.h"

#include <QChartView>

class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

// The total balance month by month, a line per plan, over dates and money.
class PayoffChart : public QChartView {
    Q_OBJECT

public:
    explicit PayoffChart(QWidget* parent = nullptr);

    // Draws these plans; one that never ends has no line.
    void setPlans(const std::vector<PlanOutcome>& plans);

private:
    std::vector<QLineSeries*> lines_;
    QDateTimeAxis* dates_;
    QValueAxis* money_;
};
