#pragma once

#include <QTableView>

class CellDelegate;
class ScheduleModel;

// The schedule grid. Its header rows and leading columns stay in view while
// the months and the debt columns scroll. This view shows only the scrolling
// cells; its own row and column headers are sized to the fixed rows and
// columns, so that it keeps its scroll ranges right, and three views over
// the same model lie on top of them: the header rows, the leading columns,
// and the corner where they meet. Equal neighbouring cells of the header
// rows show as one.
class ScheduleGrid : public QTableView {
    Q_OBJECT

public:
    static constexpr int kColumnWidthTwips = 975;
    // Room beside a cell's text: its margins and the grid line.
    static constexpr int kCellPadding = 6;

    explicit ScheduleGrid(QWidget* parent = nullptr);

    void setScheduleModel(ScheduleModel* model);

protected:
    void updateGeometries() override;

private:
    // A view of the fixed cells over the grid: rows and columns at most (-1: all).
    QTableView* createPane(int rows, int columns);
    void scheduleChanged();
    // Each column as wide as the text of its largest figure, and no
    // narrower than designed; the leading columns' pane follows them.
    void fitColumns();
    void hideFixedCells(QTableView& view, bool rows, bool columns) const;
    void placePanes();

    CellDelegate* cellDelegate_;
    ScheduleModel* model_ = nullptr;
    QTableView* headerRows_ = nullptr;
    QTableView* leadingColumns_ = nullptr;
    QTableView* corner_ = nullptr;
};
