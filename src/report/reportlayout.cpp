#include "reportlayout.h"

#include "calc/scheduletable.h"
#include "platform/daydate.h"
#include "platform/formats.h"

namespace {

constexpr int kDecember = 12; // each year of the schedule ends in an empty line

// Writes lines column by column. Moving to a column that the text already
// passed continues at that column of the next line.
class LineWriter {
public:
    explicit LineWriter(std::vector<ReportPage>& pages) : pages_(pages) {}

    void newPage() { pages_.emplace_back(); }
    void setEmphasis(bool on) { emphasis_ = on; }
    void print(QStringView text) { line_ += text; }
    void printField(QStringView cell) { ReportLayout::appendAlignedField(line_, cell); }
    void moveTo(int column)
    {
        if (position() > column)
            endLine();
        line_.resize(column - 1, QLatin1Char(' '));
    }
    void endLine()
    {
        pages_.back().lines.push_back({line_, emphasis_});
        line_.clear();
    }

private:
    int position() const { return static_cast<int>(line_.size()) + 1; }

    std::vector<ReportPage>& pages_;
    QString line_;
    bool emphasis_ = false;
};

class ReportWriter {
public:
    ReportWriter(const ScheduleTable& table, double printedOn, const QLocale& locale,
                 std::vector<ReportPage>& pages)
        : table_(table), printedOn_(printedOn), locale_(locale), out_(pages)
    {
    }

    void write()
    {
        int firstColumn = 0;
        do {
            block(firstColumn);
            firstColumn += ReportLayout::kGridColumnsPerBlock;
        } while (firstColumn + ScheduleTable::kLeadingColumns <= lastColumn());
    }

private:
    int lastColumn() const { return table_.columnCount() - 1; }

    // Grid column of the block's j-th column, or -1 past the grid's last.
    int gridColumn(int firstColumn, int j) const
    {
        const int column = j < ScheduleTable::kLeadingColumns ? j : firstColumn + j;
        return column <= lastColumn() ? column : -1;
    }

    void block(int firstColumn)
    {
        for (int row = ScheduleTable::kHeaderRows; row < table_.rowCount(); ++row) {
            if (row == ScheduleTable::kHeaderRows || row % ReportLayout::kRowsPerPage == 0)
                pageHeader(firstColumn);
            rowLine(row, firstColumn);
            out_.endLine();
            if (DayDate::toDate(table_.monthDate(row)).month() == kDecember)
                out_.endLine();
        }
    }

    void rowLine(int row, int firstColumn)
    {
        out_.print(table_.cell(row, 0));
        for (int j = 1; j <= ReportLayout::kLastBlockColumn; ++j) {
            const int column = gridColumn(firstColumn, j);
            if (column < 0)
                break;
            out_.moveTo(ReportLayout::fieldColumn(j));
            out_.printField(table_.cell(row, column));
        }
    }

    void pageHeader(int firstColumn)
    {
        out_.newPage();
        ++pageNumber_;
        out_.print(QStringLiteral("Date Printed: ") +
                   Format::longMonthDayYear(printedOn_, locale_));
        out_.moveTo(ReportLayout::kTitleColumn);
        out_.print(ReportLayout::kTitle);
        out_.moveTo(ReportLayout::kPageNumberColumn);
        out_.print(QStringLiteral("Page ") + QString::number(pageNumber_));
        out_.endLine();
        for (int i = 0; i < ReportLayout::kBlankLinesAfterTitle; ++i)
            out_.endLine();

        out_.print(table_.cell(0, 0));
        for (int j = 1; j < ScheduleTable::kLeadingColumns; ++j) {
            out_.moveTo(ReportLayout::fieldColumn(j));
            out_.printField(table_.cell(0, j));
        }
        // Each creditor is named once, five characters into the first of its
        // two columns.
        for (int j = ScheduleTable::kLeadingColumns; j <= ReportLayout::kLastBlockColumn; ++j) {
            const int column = gridColumn(firstColumn, j);
            if (column < 0)
                break;
            if (j % 2 == 1) {
                out_.moveTo(ReportLayout::creditorColumn(j));
                out_.print(table_.cell(0, column));
            }
        }
        out_.endLine();

        out_.setEmphasis(true);
        rowLine(1, firstColumn);
        out_.endLine();
        out_.setEmphasis(false);
        out_.endLine();
    }

    const ScheduleTable& table_;
    double printedOn_;
    QLocale locale_;
    LineWriter out_;
    int pageNumber_ = 0;
};

} // namespace

void ReportLayout::appendAlignedField(QString& line, QStringView cell)
{
    const QStringView trimmed = cell.trimmed();
    if (trimmed.size() >= kFieldWidth) {
        line += cell;
        return;
    }
    line.resize(line.size() + kFieldWidth - trimmed.size(), QLatin1Char(' '));
    line += trimmed;
}

std::vector<ReportPage> ReportLayout::pages(const ScheduleTable& table, double printedOn,
                                            const QLocale& locale)
{
    std::vector<ReportPage> result;
    if (table.rowCount() > ScheduleTable::kHeaderRows)
        ReportWriter(table, printedOn, locale, result).write();
    return result;
}
