#pragma once

#include <QString>

// What the print service says of a queue before a report is sent to it. Qt
// hands a job to a queue that rejects jobs without a word, so this is asked
// of the service first.
struct PrintQueueState {
    bool reachable = false;
    bool acceptingJobs = false;
    bool stopped = false;
    QString message; // the service's own words about the queue, if any
};

PrintQueueState printQueueState(const QString& printerName);
