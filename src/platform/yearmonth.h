#pragma once

#include <QDate>
#include <QString>
#include <optional>

// A month of a year, as a plan names a schedule's month: "2027-05".
struct YearMonth {
    int year = 0;
    int month = 0; // 1 to 12

    // The months counted from year 0, so that months compare and step.
    constexpr int index() const { return year * 12 + month - 1; }
    static constexpr YearMonth fromIndex(int index) { return {index / 12, index % 12 + 1}; }

    // "YYYY-MM", four digits, a dash, two digits from 01 to 12.
    static std::optional<YearMonth> parse(const QString& text);
    QString toString() const;
    // The month of a day number; none for a day number that is no date.
    static std::optional<YearMonth> of(double dayNumber);
    // The month of a valid date.
    static YearMonth of(QDate date);
    // The month's first day, as the month fields show a month.
    QDate firstDay() const { return QDate(year, month, 1); }

    friend constexpr bool operator==(YearMonth a, YearMonth b) { return a.index() == b.index(); }
    friend constexpr bool operator<(YearMonth a, YearMonth b) { return a.index() < b.index(); }
    friend constexpr bool operator<=(YearMonth a, YearMonth b) { return a.index() <= b.index(); }
};
