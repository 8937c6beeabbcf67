#pragma once

#include "calc/progress.h"

#include <QChartView>

class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

// The total balance against the followed plan: the plan's line, the recorded
// months' points joined by a line, and the projection at this pace, dashed,
// from the latest record on.
class ProgressChart : public QChartView {
    Q_OBJECT

public:
    explicit ProgressChart(QWidget* parent = nullptr);

    void setProgress(const Progress& progress);

private:
    QLineSeries* line(const QString& name, const QColor& colour, Qt::PenStyle style);

    QDateTimeAxis* dates_;
    QValueAxis* money_;
    QLineSeries* planned_;
    QLineSeries* recorded_;
    QLineSeries* projected_;
};
