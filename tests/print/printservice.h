#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QThread>

// The tests' own print service (scripts/test-print-service.sh), reached
// through CUPS_SERVER, which ctest points at it for these tests only.
class PrintService {
public:
    PrintService() : folder_(qEnvironmentVariable("VARNHOLT_PRINT_SERVICE")) {}

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

    QString pdfFolder() const { return folder_ + QStringLiteral("/pdf"); }

    void clearPdfs() const
    {
        QDir pdfs(pdfFolder());
        for (const QString& name : pdfs.entryList({QStringLiteral("*.pdf")}, QDir::Files))
            pdfs.remove(name);
    }

    QStringList pdfs() const
    {
        QStringList paths;
        for (const QFileInfo& file :
             QDir(pdfFolder()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time))
            paths.append(file.filePath());
        return paths;
    }

    // The output of a CUPS command against the service.
    static QString run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(10000);
        return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    }

    // Waits until no job is left in the queue; false after the time limit.
    static bool waitForJobs(int milliseconds = 60000)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < milliseconds) {
            if (run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty())
                return true;
            QThread::msleep(100);
        }
        return false;
    }

    QString errorLog() const
    {
        QFile log(folder_ + QStringLiteral("/log/error_log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

private:
    QString folder_;
};
