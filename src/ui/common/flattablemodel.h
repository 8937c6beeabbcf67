#pragma once

#include <QAbstractTableModel>

// A table model with no tree below its rows: it gives the counts of its one
// level, and every model of the program counts the same way.
class FlatTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const final
    {
        return parent.isValid() ? 0 : rows();
    }
    int columnCount(const QModelIndex& parent = {}) const final
    {
        return parent.isValid() ? 0 : columns();
    }

protected:
    virtual int rows() const = 0;
    virtual int columns() const = 0;
};
