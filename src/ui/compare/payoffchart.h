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

    // Draws these plans; one that never ends has no line. Each plan's line
    // has a pattern of its own, so that lines that coincide all show. With no
    // line, no axes either.
    void setPlans(const std::vector<PlanOutcome>& plans);
    // The line of the plan at this place of the comparison (see
    // PlanComparison::plans()) is drawn wider, over the others; none for -1.
    void setSelected(int plan);

private:
    std::vector<const PayoffMethod*> plans_;
    std::vector<QLineSeries*> lines_;
    QLineSeries* selectedLine_ = nullptr;
    int selected_ = -1;
    QDateTimeAxis* dates_;
    QValueAxis* money_;
};
