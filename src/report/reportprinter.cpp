#include "reportprinter.h"

#include "platform/typefaces.h"
#include "printqueue.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Checks the queue before anything is sent: a queue that rejects jobs would
// drop the report silently. A stopped queue keeps the report until it is
// started again, which the user is told.
QStringList queueProblems(const QPrinterInfo& printer, bool& refused)
{
    const PrintQueueState queue = printQueueState(printer.printerName());
    const QString name = printer.printerName();
    const QString reason =
        queue.message.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(queue.message);
    refused = !queue.reachable || !queue.acceptingJobs;
    if (!queue.reachable)
        return {QStringLiteral("The printer %1 cannot be reached%2.").arg(name, reason)};
    if (!queue.acceptingJobs)
        return {QStringLiteral("The printer %1 is not accepting print jobs%2.").arg(name, reason)};
    if (queue.stopped)
        return {QStringLiteral("The printer %1 is stopped%2. The report waits in its queue until "
                               "the printer is started again.")
                    .arg(name, reason)};
    return {};
}

} // namespace

QFont ReportPrinter::font(bool emphasis)
{
    QFont font;
    font.setFamilies(QStringList(Typefaces::kFixedPitch) + Typefaces::kFixedPitchStandIns);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(kFontPoints);
    font.setBold(emphasis);
    return font;
}

QStringList ReportPrinter::print(const std::vector<ReportPage>& pages, const QString& documentName)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return {QStringLiteral("There is no default printer. Set one up (or start the print "
                               "service) and print again.")};
    bool refused = false;
    QStringList failures = queueProblems(info, refused);
    if (refused)
        return failures;

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    return failures + printOn(printer, pages);
}

QStringList ReportPrinter::printOn(QPrinter& printer, const std::vector<ReportPage>& pages)
{
    const QString name = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                                       : printer.printerName();
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer))
        return {QStringLiteral("The printer %1 could not be started.").arg(name)};

    QStringList failures;
    const QFont plain = font(false);
    const QFont bold = font(true);
    const QFontMetricsF metrics(plain, &printer);
    const double pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const auto nextSheet = [&] {
        if (!printer.newPage())
            failures.append(QStringLiteral("The printer %1 could not begin a new page.").arg(name));
    };

    bool firstPage = true;
    for (const ReportPage& page : pages) {
        if (!firstPage)
            nextSheet();
        firstPage = false;
        double baseline = metrics.ascent();
        for (const ReportLine& line : page.lines) {
            if (baseline + metrics.descent() > pageHeight) {
                nextSheet();
                baseline = metrics.ascent();
            }
            painter.setFont(line.emphasis ? bold : plain);
            painter.drawText(QPointF(0, baseline), line.text);
            baseline += metrics.lineSpacing();
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        failures.append(
            QStringLiteral("The report could not be handed to the printer %1.").arg(name));
    failures.removeDuplicates();
    return failures;
}

QStringList ReportPrinter::printPdf(const QString& path, const std::vector<ReportPage>& pages,
                                    const QLocale& locale)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(ReportLayout::kTitle);
    // The paper the user's country prints on.
    printer.setPageSize(locale.measurementSystem() == QLocale::MetricSystem
                            ? QPageSize(QPageSize::A4)
                            : QPageSize(QPageSize::Letter));
    return printOn(printer, pages);
}
