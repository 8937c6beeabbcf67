#pragma once

#include <QLocale>
#include <QString>
#include <array>

// Writes the schedule's money form (see Format::scheduleMoney) onto the end
// of a text without a QLocale call per value: a schedule shows a number in
// nearly every one of its cells. It gives exactly what Format::scheduleMoney
// gives, in the locale's own digits, and falls back on it for the few values
// it cannot round by itself.
class MoneyText {
public:
    explicit MoneyText(const QLocale& locale = QLocale());

    // The same form in characters the Windows-1252 code page holds: the
    // locale's digits, decimal point and minus sign where the code page has
    // them, otherwise 0-9, "." and "-".
    static MoneyText forCodePage(const QLocale& locale);

    void append(QString& text, double value) const;
    QString text(double value) const;

private:
    // Longest a digit is in UTF-16 units: the digits of some scripts lie
    // outside the Basic Multilingual Plane.
    static constexpr int kMaxDigitUnits = 2;
    // Longest text the fast path writes: a blank, the 15 digits of the
    // largest amount it takes and a decimal point of one or two units.
    static constexpr int kMaxPointUnits = 2;
    static constexpr int kMaxFastLength = 1 + 15 * kMaxDigitUnits + kMaxPointUnits;

    void setDigits(char32_t zero);
    // Writes a value's text at out and returns its length, or -1 (writing
    // nothing) for a value that only the locale's own formatting rounds right.
    int writeFast(char16_t* out, double value) const;
    QString slowText(double value) const;

    QLocale locale_;
    // Each digit's UTF-16 units; all ten are as long as the zero.
    std::array<std::array<char16_t, kMaxDigitUnits>, 10> digits_{};
    int digitUnits_ = 1;
    QString decimalPoint_;
    QString minus_;
    // Whether digits_, decimalPoint_ and minus_ are the locale's own, so that
    // the locale can write what the fast path cannot.
    bool localeForms_ = true;
};
