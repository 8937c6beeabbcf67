#pragma once

#include <QLocale>

// The locale the program formats and reads numbers and dates in: the
// system's, except that a bare C or POSIX locale (no currency sign, no month
// names worth showing) is replaced by English (United States).
QLocale programLocaleFor(const QLocale& system);

// Makes programLocaleFor(QLocale::system()) the default QLocale.
void applyProgramLocale();
