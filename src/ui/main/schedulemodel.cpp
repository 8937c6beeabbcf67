#include "schedulemodel.h"

#include "platform/daydate.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

constexpr int kJanuary = 1;

} // namespace

ScheduleModel::ScheduleModel(const ScheduleText& text, QObject* parent)
    : FlatTableModel(parent), text_(text)
{
}

void ScheduleModel::scheduleChanged()
{
    beginResetModel();
    rows_ = text_.rowCount();
    columns_ = text_.columnCount();
    endResetModel();
}

bool ScheduleModel::isHighlighted(int row) const
{
    return row >= kFixedRows && DayDate::toDate(text_.monthDate(row)).month() == kJanuary;
}

bool ScheduleModel::isFixed(int row, int column)
{
    return row < kFixedRows || column < kFixedColumns;
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return text_.cell(row, column);
    case Qt::TextAlignmentRole:
        // The debt columns are centred; the leading three are not.
        return QVariant::fromValue(column >= kFixedColumns ? Qt::AlignCenter
                                                           : Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (isHighlighted(row))
            return kJanuaryColour;
        return QGuiApplication::palette().color(isFixed(row, column) ? QPalette::Button
                                                                     : QPalette::Base);
    case Qt::ForegroundRole:
        return QGuiApplication::palette().color(isFixed(row, column) ? QPalette::ButtonText
                                                                     : QPalette::Text);
    default:
        return {};
    }
}

std::vector<std::pair<int, int>> ScheduleModel::mergedRuns(int row) const
{
    std::vector<std::pair<int, int>> runs;
    if (row >= kFixedRows || row >= rows_)
        return runs;
    int first = 0;
    QString firstText = text_.cell(row, first);
    for (int column = 1; column <= columns_; ++column) {
        QString text = column < columns_ ? text_.cell(row, column) : QString();
        if (column < columns_ && text == firstText)
            continue;
        if (column - first > 1)
            runs.emplace_back(first, column - first);
        first = column;
        firstText = std::move(text);
    }
    return runs;
}
