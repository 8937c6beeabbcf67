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

#include <QCoreApplication>
#include <QDir>

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
    const std::vector<ReportPage> pages =
        ReportLayout::pages(ScheduleText(schedule_), DayDate::fromDate(clock_.today()));
    for (const QString& failure : ReportPrinter::print(pages, ReportLayout::kTitle))
        prompter_.showMessage(failure);
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
        prompter_.showMessage(AccountMessages::describe(*failure));
        return;
    }
    prompter_.beep();
    prompter_.showMessage(kExported.arg(QDir::toNativeSeparators(path)));
}
