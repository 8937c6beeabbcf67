#pragma once

#include "platform/fileproblem.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <optional>

class Schedule;

// The schedule as a tab-delimited file for spreadsheets: every grid row a
// line, header rows included; every cell as the grid shows it followed by a
// tab; every line ended by CR LF; Windows-1252 text, in characters that code
// page holds.
namespace ScheduleExport {

inline const QString kFileName = QStringLiteral("debts.tab");

QByteArray bytes(const Schedule& schedule, const QLocale& locale = QLocale());

// Writes the file, replacing any earlier one in one step: a failed export
// leaves the earlier file whole. The lines are formatted and written a
// block at a time, so a schedule of any size takes little memory on top of
// its numbers. What went wrong, or nothing when the whole file was written.
std::optional<FileProblem> write(const Schedule& schedule, const QString& path,
                                 const QLocale& locale = QLocale());

} // namespace ScheduleExport
