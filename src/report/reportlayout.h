#pragma once

#include "scheduletext.h"

#include <QLocale>
#include <QString>
#include <QStringView>
#include <vector>

// The printed report as pages of fixed-pitch text lines, laid out from the
// schedule. Every character is one column of the fixed-pitch font; columns
// are counted from 1.
//
// The debts are printed in blocks of four (eight grid columns), each block
// on pages of its own. A page opens with a seven-line header; a new page
// starts before every grid row whose index is a multiple of 70, so the first
// page of a block holds 68 months and later pages 70. Each December row is
// followed by an empty line, which does not count towards the page break.
struct ReportLine {
    QString text;
    bool emphasis = false; // the grid's second header row is printed bold
};

struct ReportPage {
    std::vector<ReportLine> lines;
};

class ReportLayout {
public:
    static constexpr int kFieldWidth = 9;
    // Fields start every ten characters, so a field of nine is followed by
    // at least one blank.
    static constexpr int kFieldSpacing = 10;
    static constexpr int kGridColumnsPerBlock = 8; // four debts
    static constexpr int kRowsPerPage = 70;
    static constexpr int kBlankLinesAfterTitle = 3;
    static constexpr int kTitleColumn = 45;
    static constexpr int kPageNumberColumn = 103;
    // A creditor's name starts this far into the first of its two fields.
    static constexpr int kCreditorIndent = 5;

    static inline const QString kTitle = QStringLiteral("Varnholt Report");

    // The j-th column of a block: the leading columns, then the block's debt
    // columns (j up to kLastBlockColumn).
    static constexpr int kLastBlockColumn =
        ScheduleText::kLeadingColumns + kGridColumnsPerBlock - 1;
    // The character column where the j-th column of a block starts.
    static constexpr int fieldColumn(int j) { return j == 0 ? 1 : kFieldSpacing * j; }
    // Where a block's creditor names start (odd j only).
    static constexpr int creditorColumn(int j) { return fieldColumn(j) + kCreditorIndent; }

    // The pages of the report for a schedule printed on the given day.
    static std::vector<ReportPage> pages(const ScheduleText& text, double printedOn,
                                         const QLocale& locale = QLocale());

    // Makes the cell at the end of a line, from start, a field:
    // right-justified in 9 characters when its trimmed text is shorter than
    // that, otherwise exactly as the grid shows it.
    static void alignField(QString& line, qsizetype start);
};
