#include "reportlayout.h"

#include "platform/daydate.h"
#include "platform/formats.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kDecember = 12; // each year of the schedule ends in an empty line
// Room for a line of a block (108 characters) and a field being written.
constexpr qsizetype kLineRoom = 256;

// Writes lines column by column. Moving to a column that the text already
// passed continues at that column of the next line.
class LineWriter {
public:
    explicit LineWriter(std::vector<ReportPage>& pages) : pages_(pages)
    {
        line_.reserve(kLineRoom);
    }

    void newPage() { pages_.emplace_back(); }
    void setEmphasis(bool on) { emphasis_ = on; }
    void print(QStringView text) { line_ += text; }
    // A cell as the schedule shows it, or aligned as a field.
    void printCell(const ScheduleText& text, int row, int column)
    {
        text.appendCell(line_, row, column);
    }
    void printField(const ScheduleText& text, int row, int column)
    {
        const qsizetype start = line_.size();
        text.appendCell(line_, row, column);
        ReportLayout::alignField(line_, start);
    }
    void printField(QStringView cell)
    {
        const qsizetype start = line_.size();
        line_ += cell;
        ReportLayout::alignField(line_, start);
    }
    void moveTo(int column)
    {
        if (position() > column)
            endLine();
        line_.resize(column - 1, QLatin1Char(' '));
    }
    void endLine()
    {
        // A copy of just the line's length; the buffer is kept for the next.
        pages_.back().lines.push_back({QString(line_.constData(), line_.size()), emphasis_});
        line_.resize(0);
    }

private:
    int position() const { return static_cast<int>(line_.size()) + 1; }

    std::vector<ReportPage>& pages_;
    QString line_;
    bool emphasis_ = false;
};

class ReportWriter {
public:
    ReportWriter(const ScheduleText& text, double printedOn, const QLocale& locale,
                 std::vector<ReportPage>& pages)
        : text_(text), printedOn_(printedOn), locale_(locale), out_(pages)
    {
    }

    void write()
    {
        collectMonthCells();
        int firstColumn = 0;
        do {
            block(firstColumn);
            firstColumn += ReportLayout::kGridColumnsPerBlock;
        } while (firstColumn + ScheduleText::kLeadingColumns <= lastColumn());
    }

private:
    int lastColumn() const { return text_.columnCount() - 1; }

    void collectMonthCells()
    {
        monthCells_.reserve(static_cast<size_t>(text_.rowCount() - ScheduleText::kHeaderRows));
        for (int row = ScheduleText::kHeaderRows; row < text_.rowCount(); ++row) {
            const bool december = DayDate::toDate(text_.monthDate(row)).month() == kDecember;
            monthCells_.push_back({text_.cell(row, ScheduleText::DateColumn),
                                   text_.cell(row, ScheduleText::TotalColumn),
                                   text_.cell(row, ScheduleText::ExtraColumn), december});
        }
    }

    // Grid column of the block's j-th column, or -1 past the grid's last.
    int gridColumn(int firstColumn, int j) const
    {
        const int column = j < ScheduleText::kLeadingColumns ? j : firstColumn + j;
        return column <= lastColumn() ? column : -1;
    }

    void block(int firstColumn)
    {
        for (int row = ScheduleText::kHeaderRows; row < text_.rowCount(); ++row) {
            if (row == ScheduleText::kHeaderRows || row % ReportLayout::kRowsPerPage == 0)
                pageHeader(firstColumn);
            const MonthCells& month =
                monthCells_[static_cast<size_t>(row - ScheduleText::kHeaderRows)];
            out_.print(month.date);
            out_.moveTo(ReportLayout::fieldColumn(ScheduleText::TotalColumn));
            out_.printField(month.total);
            out_.moveTo(ReportLayout::fieldColumn(ScheduleText::ExtraColumn));
            out_.printField(month.extra);
            debtFields(row, firstColumn);
            out_.endLine();
            if (month.yearEnds)
                out_.endLine();
        }
    }

    // The fields of a row from the first debt column on.
    void debtFields(int row, int firstColumn)
    {
        for (int j = ScheduleText::kLeadingColumns; j <= ReportLayout::kLastBlockColumn; ++j) {
            const int column = gridColumn(firstColumn, j);
            if (column < 0)
                break;
            out_.moveTo(ReportLayout::fieldColumn(j));
            out_.printField(text_, row, column);
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

        out_.printCell(text_, 0, 0);
        for (int j = 1; j < ScheduleText::kLeadingColumns; ++j) {
            out_.moveTo(ReportLayout::fieldColumn(j));
            out_.printField(text_, 0, j);
        }
        // Each creditor is named once, five characters into the first of its
        // two columns.
        for (int j = ScheduleText::kLeadingColumns; j <= ReportLayout::kLastBlockColumn; ++j) {
            const int column = gridColumn(firstColumn, j);
            if (column < 0)
                break;
            if (j % 2 == 1) {
                out_.moveTo(ReportLayout::creditorColumn(j));
                out_.printCell(text_, 0, column);
            }
        }
        out_.endLine();

        out_.setEmphasis(true);
        out_.printCell(text_, 1, 0);
        for (int j = 1; j < ScheduleText::kLeadingColumns; ++j) {
            out_.moveTo(ReportLayout::fieldColumn(j));
            out_.printField(text_, 1, j);
        }
        debtFields(1, firstColumn);
        out_.endLine();
        out_.setEmphasis(false);
        out_.endLine();
    }

    // What every block of a month row repeats: its leading cells, and
    // whether an empty line ends its year.
    struct MonthCells {
        QString date;
        QString total;
        QString extra;
        bool yearEnds;
    };

    const ScheduleText& text_;
    std::vector<MonthCells> monthCells_;
    double printedOn_;
    QLocale locale_;
    LineWriter out_;
    int pageNumber_ = 0;
};

} // namespace

void ReportLayout::alignField(QString& line, qsizetype start)
{
    // Only blanks are trimmed.
    qsizetype from = start;
    qsizetype end = line.size();
    while (from < end && line.at(from) == QLatin1Char(' '))
        ++from;
    while (end > from && line.at(end - 1) == QLatin1Char(' '))
        --end;
    const qsizetype length = end - from;
    if (length >= kFieldWidth)
        return;
    // The trimmed text moves to the end of the field; blanks fill what is
    // before it.
    const qsizetype to = start + kFieldWidth - length;
    if (to > from)
        line.resize(start + kFieldWidth);
    char16_t* text = reinterpret_cast<char16_t*>(line.data());
    std::memmove(text + to, text + from, static_cast<size_t>(length) * sizeof(char16_t));
    std::fill(text + start, text + to, u' ');
    line.resize(start + kFieldWidth);
}

std::vector<ReportPage> ReportLayout::pages(const ScheduleText& text, double printedOn,
                                            const QLocale& locale)
{
    std::vector<ReportPage> result;
    if (text.rowCount() > ScheduleText::kHeaderRows)
        ReportWriter(text, printedOn, locale, result).write();
    return result;
}
