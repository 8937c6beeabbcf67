#pragma once

#include <QTableView>

// The schedule grid: fixed-height rows, light grey grid lines, the area
// outside the cells in the workspace grey.
class ScheduleGrid : public QTableView {
    Q_OBJECT

public:
    explicit ScheduleGrid(QWidget* parent = nullptr);
};
