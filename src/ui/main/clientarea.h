#pragma once

#include <QWidget>

class BusyIndicator;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
class ScheduleGrid;
class TotalLabel;

// The main window's client area as designed: the debt grid with its hint,
// the priority chooser and the totals, the four commands, the busy
// indicator and the schedule grid, each at its place. Only the schedule grid
// follows the area's size; the upper block is centred in a wide area.
class ClientArea : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidthTwips = 9480;
    static constexpr int kHeightTwips = 6435;

    explicit ClientArea(QWidget* parent = nullptr);

    // The resize rule, for the area's size now; nothing while minimized.
    void applyLayout();

    QTableView* debtGrid = nullptr;
    QLabel* hint = nullptr;
    QGroupBox* methodFrame = nullptr;
    QComboBox* methodChooser = nullptr;
    QGroupBox* totalsFrame = nullptr;
    TotalLabel* totalBalance = nullptr;
    TotalLabel* totalInterest = nullptr;
    TotalLabel* totalPayments = nullptr;
    QPushButton* exitButton = nullptr;
    QPushButton* calculateButton = nullptr;
    QPushButton* exportButton = nullptr;
    QPushButton* printButton = nullptr;
    BusyIndicator* busyIndicator = nullptr;
    ScheduleGrid* scheduleGrid = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void placeControls();
};
