#pragma once

#include "reportlayout.h"

#include <QLocale>
#include <QStringList>

class QFont;
class QPrinter;

// Prints report pages on the system's default printer, without a dialog:
// portrait, "Courier New" at 8 points (a metric-compatible fixed-pitch font
// where it is missing), one character column per advance of that font.
// A page whose lines do not fit continues on the next sheet.
class ReportPrinter {
public:
    static constexpr int kFontPoints = 8;

    // The report's font, plain or bold: "Courier New", or the first of its
    // stand-ins the machine has, whatever substitutions the windows made.
    static QFont font(bool emphasis);

    // What went wrong, each failure once; empty when the report was handed
    // to the printer. Failures that leave nothing to print end the run.
    static QStringList print(const std::vector<ReportPage>& pages, const QString& documentName);
    // The same pages on a printer already chosen (in the print dialog), or
    // into a PDF file.
    static QStringList printOn(QPrinter& printer, const std::vector<ReportPage>& pages);
    static QStringList printPdf(const QString& path, const std::vector<ReportPage>& pages,
                                const QLocale& locale = QLocale());
};
