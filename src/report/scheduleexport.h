#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class ScheduleTable;

// The schedule as a tab-delimited file for spreadsheets: every grid row a
// line, header rows included; every cell as the grid holds it followed by a
// tab; every line ended by CR LF; Windows-1252 text.
namespace ScheduleExport {

inline const QString kFileName = QStringLiteral("debts.tab");

QByteArray bytes(const ScheduleTable& table);

// Writes the file, replacing any earlier one in one step: a failed export
// leaves the earlier file whole. The description of what went wrong, or
// nothing when the whole file was written.
std::optional<QString> write(const ScheduleTable& table, const QString& path);

} // namespace ScheduleExport
