#pragma once

#include <QLocale>
#include <QString>

// Writes the schedule's money form (see Format::scheduleMoney) straight onto
// the end of a text, without a QLocale call per value: a schedule formats a
// number for every one of its cells. Gives exactly what
// Format::scheduleMoney gives, which it falls back on for the few values it
// cannot round by itself.
class MoneyText {
public:
    explicit MoneyText(const QLocale& locale = QLocale());

    // Longest text write() gives.
    static constexpr int kMaxFastLength = 24;

    // Writes the text of a value at out and returns its length, or returns
    // -1 (writing nothing) for a value that only slowText() can write.
    int write(char16_t* out, double value) const;
    QString slowText(double value) const;

private:
    QLocale locale_;
    QChar decimalPoint_;
};
