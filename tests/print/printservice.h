#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

// The tests' own print service (scripts/test-print-service.sh), reached
// through CUPS_SERVER, which the tests' main() points at it.
class PrintService {
public:
    static constexpr const char* kQueue = "VarnholtTest";

    // Why the service cannot be used; empty when it runs.
    QString unavailableReason() const
    {
        if (folder_.isEmpty())
            return QStringLiteral("VARNHOLT_PRINT_SERVICE is not set; run the test through ctest");
        QFile reason(folder_ + QStringLiteral("/unavailable"));
        if (reason.open(QIODevice::ReadOnly))
            return QString::fromUtf8(reason.readAll()).trimmed();
        if (!QFile::exists(folder_ + QStringLiteral("/cups.sock")))
            return QStringLiteral("the print service is not running");
        return {};
    }

    QDir pdfs() const { return QDir(folder_ + QStringLiteral("/pdf"), QStringLiteral("*.pdf")); }

    // The output of a CUPS command against the service.
    static QString run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(10000);
        return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    }

    // Waits until the queue is empty. A job that stops the queue (a failed
    // filter) ends the wait at once: the result is then the service's reason.
    QString waitForJobs() const
    {
        QElapsedTimer timer;
        timer.start();
        while (!run("lpstat", {"-o"}).trimmed().isEmpty()) {
            const QString queue = run("lpstat", {"-l", "-p", kQueue});
            if (queue.contains(QLatin1String("disabled")) || timer.elapsed() > 30000)
                return queue + errorLog();
            QThread::msleep(50);
        }
        return {};
    }

private:
    QString errorLog() const
    {
        QFile log(folder_ + QStringLiteral("/log/error_log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll().right(2000))
                                             : QString();
    }

    QString folder_ = qEnvironmentVariable("VARNHOLT_PRINT_SERVICE");
};
