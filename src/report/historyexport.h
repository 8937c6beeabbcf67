#pragma once

#include "model/history.h"
#include "platform/fileproblem.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

// The payment history as a tab-delimited file for spreadsheets, written as
// debts.tab is: every cell followed by a tab, every line ended by CR LF,
// Windows-1252 text in characters that code page holds. A header line
// ("Month", "Creditor", "Planned", "Paid", "Balance After", "Interest and
// Charges"), then a line per debt of each recorded month, earliest first;
// months as "Jan 2027", amounts in the "0.00" form, no planned payment blank.
namespace HistoryExport {

QByteArray bytes(const std::vector<RecordedMonth>& months, const QLocale& locale = QLocale());
// Replaces the file in one step: a failed export leaves an earlier one whole.
std::optional<FileProblem> write(const std::vector<RecordedMonth>& months, const QString& path,
                                 const QLocale& locale = QLocale());

} // namespace HistoryExport
