#pragma once

#include <QColor>

class QTableView;

namespace GridStyle {

inline const QColor kGridLines = QColor(192, 192, 192);
constexpr int kRowHeightTwips = 240;

// Fixed row heights, no editing, light grey grid lines.
void apply(QTableView& view);

} // namespace GridStyle
