#pragma once

#include <QObject>
#include <QString>
#include <functional>

class DebtListModel;
class DebtMenu;
class QPoint;
class QTableView;

// The debt grid as the user works it: its designed look, the debt that is
// current, its own keys (Insert adds, Enter and F2 edit, Delete deletes,
// Shift+F10 and the menu key open the menu) and the pop-up menu for the row
// under the pointer. The keys act through the menu's items; nothing opens
// while the window is busy.
class DebtGridControl : public QObject {
    Q_OBJECT

public:
    DebtGridControl(QTableView& grid, DebtListModel& debts, DebtMenu& menu,
                    std::function<bool()> isBusy, std::function<double()> extraMoney,
                    QObject* parent = nullptr);

    // The columns' designed widths.
    void setDesignedWidths();
    // The key of the current debt (the first when none is current).
    QString currentKey() const;
    // After the list changed: no row is highlighted in an empty list; once
    // there are debts one always is, so a right-click below the rows has a
    // debt to act on.
    void keepARowCurrent();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prepare();
    // Opens the menu for the grid row at this height of the viewport (above
    // the rows: the header; below: the white space).
    void openMenu(const QPoint& viewportPosition);
    // True when the key was one of the grid's own.
    bool gridKey(int key, Qt::KeyboardModifiers modifiers);
    bool hasDebts() const;

    QTableView& grid_;
    DebtListModel& debts_;
    DebtMenu& menu_;
    std::function<bool()> isBusy_;
    std::function<double()> extraMoney_;
};
