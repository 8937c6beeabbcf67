#pragma once

#include "calc/plancomparison.h"

#include <QChartView>
#include <optional>

class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

// The total balance month by month, a line per plan, over dates and money.
class PayoffChart : public QChartView {
    Q_OBJECT

public:
    explicit PayoffChart(QWidget* parent = nullptr);

    // Draws these plans; one that never ends has no line. Each plan's line
    // has a pattern of its own, so that lines that coincide all show. With no
    // line, no axes either.
    void setPlans(const std::vector<PlanOutcome>& plans);
    // The selected plan's line is drawn wider.
    void setSelected(std::optional<Plan> selected);

private:
    std::vector<QLineSeries*> lines_;
    QDateTimeAxis* dates_;
    QValueAxis* money_;
};
