#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>
#include <vector>

class ScheduleTable;

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
    static constexpr int kGridColumnsPerBlock = 8;
    static constexpr int kRowsPerPage = 70;
    static constexpr int kTitleColumn = 45;
    static constexpr int kPageNumberColumn = 103;

    static inline const QString kTitle = QStringLiteral("Varnholt Report");

    // The start column of the j-th column of a block (j = 0 to 10).
    static constexpr int fieldColumn(int j) { return j == 0 ? 1 : 10 * j; }
    // Where a block's creditor names start (odd j only).
    static constexpr int creditorColumn(int j) { return 10 * j + 5; }

    // The pages of the report for a schedule printed on the given day.
    static std::vector<ReportPage> pages(const ScheduleTable& table, double printedOn,
                                         const QLocale& locale = QLocale());

    // A cell as a field: right-justified in 9 characters when its trimmed
    // text is shorter than that, otherwise exactly as the grid holds it.
    static QString alignedField(QStringView cell);
    static void appendAlignedField(QString& line, QStringView cell);
};
