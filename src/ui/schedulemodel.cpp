#include "schedulemodel.h"

#include "calc/scheduletable.h"

#include <QGuiApplication>
#include <QPalette>

ScheduleModel::ScheduleModel(const ScheduleTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table)
{
}

void ScheduleModel::tableChanged()
{
    beginResetModel();
    rows_ = table_.rowCount();
    columns_ = table_.columnCount();
    endResetModel();
}

int ScheduleModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int ScheduleModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return table_.text(row, column);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(table_.isCentred(column) ? Qt::AlignCenter
                                                            : Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole: {
        if (table_.isHighlighted(row))
            return kJanuaryColour;
        const bool fixed = row < table_.fixedRows() || column < table_.fixedColumns();
        return QGuiApplication::palette().color(fixed ? QPalette::Button : QPalette::Base);
    }
    case Qt::ForegroundRole: {
        const bool fixed = row < table_.fixedRows() || column < table_.fixedColumns();
        return QGuiApplication::palette().color(fixed ? QPalette::ButtonText : QPalette::Text);
    }
    default:
        return {};
    }
}
