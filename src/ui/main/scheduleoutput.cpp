#include "scheduleoutput.h"

#include "busyindicator.h"
#include "platform/clock.h"
#include "platform/daydate.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "report/reportlayout.h"
#include "report/reportprinter.h"
#include "report/scheduleexport.h"
#include "ui/common/accountmessages.h"
#include "ui/common/filewords.h"
#include "ui/common/savepath.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace {

const QString kPrinting = QStringLiteral("Printing...");
const QString kExporting = QStringLiteral("Exporting...");
// The lines of the export's message are separated by single carriage returns.
const QString kExported =
    QStringLiteral("Debt payoff information was exported to: \r%1\r\rThis file "
                   "is tab delimited and can be read by most spreadsheet "
                   "programs if you wish to do further analysis.");

} // namespace

ScheduleOutput::ScheduleOutput(const Schedule& schedule, BusyIndicator& busy, Prompter& prompter,
                               const Clock& clock)
    : schedule_(schedule), busy_(busy), prompter_(prompter), clock_(clock)
{
}

void ScheduleOutput::print()
{
    const BusyIndicator::Session session(busy_, kPrinting);
    QCoreApplication::processEvents();
    for (const QString& failure : ReportPrinter::print(pages(), ReportLayout::kTitle))
        prompter_.showMessage(failure);
}

void ScheduleOutput::printWithDialog(QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ReportLayout::kTitle);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const BusyIndicator::Session session(busy_, kPrinting);
    QCoreApplication::processEvents();
    for (const QString& failure : ReportPrinter::printOn(printer, pages()))
        prompter_.showMessage(failure);
}

void ScheduleOutput::exportPdf(const SummaryFacts& summary)
{
    const QString path =
        askSavePath(prompter_, QStringLiteral("Export PDF"), QStringLiteral("payoff-report.pdf"),
                    QStringLiteral("PDF documents (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QStringList failures;
    {
        const BusyIndicator::Session session(busy_, kExporting);
        QCoreApplication::processEvents();
        std::vector<ReportPage> document = ReportSummary::pages(summary);
        for (ReportPage& page : pages())
            document.push_back(std::move(page));
        failures = ReportPrinter::printPdf(path, document);
    }
    AccountMessages::show(prompter_, failures);
    if (failures.isEmpty())
        prompter_.showMessage(
            QStringLiteral("The report was saved as %1.").arg(FileWords::shownPath(path)));
}

std::vector<ReportPage> ScheduleOutput::pages() const
{
    return ReportLayout::pages(ScheduleText(schedule_), DayDate::fromDate(clock_.today()));
}

void ScheduleOutput::exportTo(const QString& folder)
{
    const QString path = joinPath(folder, ScheduleExport::kFileName);
    std::optional<FileProblem> failure;
    {
        const BusyIndicator::Session session(busy_, kExporting);
        QCoreApplication::processEvents();
        failure = ScheduleExport::write(schedule_, path);
    }
    if (failure) {
        prompter_.showMessage(FileWords::describe(*failure));
        return;
    }
    prompter_.beep();
    prompter_.showMessage(kExported.arg(FileWords::shownPath(path)));
}
