#include "printqueue.h"

#include <cstring>
#include <cups/cups.h>

namespace {

constexpr const char* kStoppedState = "5"; // IPP printer-state "stopped"

QString option(const cups_dest_t& dest, const char* name)
{
    return QString::fromUtf8(cupsGetOption(name, dest.num_options, dest.options));
}

} // namespace

PrintQueueState printQueueState(const QString& printerName)
{
    PrintQueueState state;
    cups_dest_t* dest =
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, printerName.toUtf8().constData(), nullptr);
    if (!dest) {
        state.message = QString::fromUtf8(cupsLastErrorString());
        return state;
    }
    state.reachable = true;
    state.acceptingJobs = option(*dest, "printer-is-accepting-jobs") != QLatin1String("false");
    state.stopped = option(*dest, "printer-state") == QLatin1String(kStoppedState);
    state.message = option(*dest, "printer-state-message");
    cupsFreeDests(1, dest);
    return state;
}
