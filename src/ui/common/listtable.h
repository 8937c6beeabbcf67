#pragma once

#include <QString>
#include <QStringList>

class QTableWidget;
class QWidget;

// A small table of entries or figures, a row each, chosen by row, that Tab
// leaves (the arrows move within).
namespace ListTable {

QTableWidget* create(QWidget* parent, const char* name, const QStringList& headings);
// Fills a row; figures after the first column may stand to the right.
void setRow(QTableWidget* table, int row, const QStringList& cells, bool figuresRight = false);

} // namespace ListTable
