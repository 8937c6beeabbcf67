#pragma once

#include <QStringView>

struct ParsedNumber {
    double value = 0.0;
    bool found = false; // false when the text does not start with a usable number
};

// Reads the number at the start of a text, whatever the locale: blanks, tabs
// and line feeds are ignored wherever they stand; then an optional sign,
// digits with at most one period, and an optional exponent introduced by E or
// D; or &H / &O followed by a hexadecimal or octal integer. Reading stops at
// the first character that cannot continue the number. A text that does not
// start with a number, or whose number is out of range, gives 0.
ParsedNumber numberAtStart(QStringView text);
