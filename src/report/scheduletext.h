#pragma once

#include "calc/schedule.h"
#include "moneytext.h"

#include <QLocale>
#include <QString>
#include <QStringList>

// The schedule as the grid, the printed report and the export show it: two
// header rows, then one row per month; a date, total balance and extra money
// column, then a payment and a balance column per debt in payment order.
// Each cell's text is made from the schedule's numbers when it is asked for.
class ScheduleText {
public:
    static constexpr int kHeaderRows = 2;
    static constexpr int kLeadingColumns = 3;
    enum LeadingColumn { DateColumn = 0, TotalColumn = 1, ExtraColumn = 2 };

    // The two columns of a debt, counted from 0 in payment order.
    static constexpr int paymentColumn(int debt) { return kLeadingColumns + 2 * debt; }
    static constexpr int balanceColumn(int debt) { return paymentColumn(debt) + 1; }

    static inline const QString kPaidOff = QStringLiteral("Paid Off");
    static inline const QString kDelayed = QStringLiteral("Delayed");

    // Any character, or only those the Windows-1252 code page of debts.tab
    // holds (the locale's where it has them; see MoneyText::forCodePage, and
    // English month names for a locale whose names it cannot write).
    enum class Characters { Any, Windows1252 };

    explicit ScheduleText(const Schedule& schedule, const QLocale& locale = QLocale(),
                          Characters characters = Characters::Any);

    // The locale's twelve month abbreviations, January first, or English ones
    // where the code page cannot write the locale's.
    static QStringList monthNames(const QLocale& locale, Characters characters);

    // No rows at all when there is no schedule.
    int rowCount() const;
    int columnCount() const;
    // The day number of a month row (row counts from kHeaderRows).
    double monthDate(int row) const { return schedule_.paydate(row - kHeaderRows); }

    QString cell(int row, int column) const;
    // The text of each column's largest figure, which is its widest: figures
    // are written alike. Worked out from the numbers; none for the dates.
    QStringList widestFigures() const;
    // Appends the cell's text to the end of a line.
    void appendCell(QString& line, int row, int column) const;

private:
    void appendHeaderCell(QString& line, int row, int column) const;
    void appendDebtCells(QString& line, int month, int debt, bool balance) const;

    const Schedule& schedule_;
    MoneyText money_;
    QStringList monthNames_;
};
