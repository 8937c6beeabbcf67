#include "clsaccount.h"

#include "debtrecord.h"
#include "platform/appinfo.h"
#include "platform/formats.h"
#include "platform/numberparse.h"
#include "platform/paths.h"
#include "platform/prompter.h"

#include <QFile>
#include <QSaveFile>
#include <QSettings>

namespace {

const QString kSettingsKey = QStringLiteral("Settings/Excees Funds");

QString describeFileError(const QFileDevice& file)
{
    return QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
}

} // namespace

clsAccount::clsAccount(Prompter& prompter, const QString& programFolder, QSettings& settings)
    : prompter_(prompter), programFolder_(programFolder), settings_(settings), debts_(prompter)
{
}

QString clsAccount::dataFilePath() const
{
    return joinPath(programFolder_, kDataFileName);
}

void clsAccount::Clear()
{
    QStringList creditors;
    for (const auto& debt : debts_)
        creditors.append(debt->Creditor);
    for (const QString& creditor : creditors)
        debts_.Delete(creditor);
    excessFunds_ = 0.0;
    accountName_.clear();
}

bool clsAccount::Load()
{
    Clear();
    settings_.sync();
    excessFunds_ =
        numberAtStart(settings_.value(kSettingsKey, QStringLiteral("0")).toString()).value;
    return readDataFile();
}

bool clsAccount::readDataFile()
{
    dataFileReadInFull_ = false;
    QFile file(dataFilePath());
    // A new user starts with an empty file; an existing one is only read.
    if (!file.open(file.exists() ? QIODevice::ReadOnly : QIODevice::WriteOnly)) {
        prompter_.showMessage(describeFileError(file));
        return false;
    }
    if (!file.isReadable()) {
        dataFileReadInFull_ = true;
        return true;
    }
    // A trailing part-record (a file cut short) is ignored.
    for (QByteArray bytes = file.read(DebtRecord::kFileSize); bytes.size() == DebtRecord::kFileSize;
         bytes = file.read(DebtRecord::kFileSize)) {
        if (bytes.at(0) == '\0')
            continue;
        if (debts_.Count() >= clsDebts::kMaxCount) {
            prompter_.showMessage(
                QStringLiteral("%1 holds more than %2 debts; only the first %2 were read. Changes "
                               "will not be saved, so that the others are not lost.")
                    .arg(kDataFileName)
                    .arg(clsDebts::kMaxCount));
            return false;
        }
        const DebtRecord record = DebtRecord::fromBytes(bytes);
        debts_.Add(record.Creditor, record.Balance, record.Rate, record.Monthly, record.StartDate);
    }
    if (file.error() != QFileDevice::NoError) {
        prompter_.showMessage(describeFileError(file));
        return false;
    }
    dataFileReadInFull_ = true;
    return true;
}

bool clsAccount::Save()
{
    const bool settingsSaved = writeSettings();
    const bool fileSaved = writeDataFile();
    return settingsSaved && fileSaved;
}

bool clsAccount::writeSettings()
{
    settings_.setValue(kSettingsKey, Format::general(excessFunds_));
    settings_.sync();
    if (settings_.status() == QSettings::NoError)
        return true;
    prompter_.showMessage(QStringLiteral("The extra money could not be written to the settings "
                                         "file %1.")
                              .arg(settings_.fileName()));
    return false;
}

bool clsAccount::writeDataFile()
{
    if (!dataFileReadInFull_) {
        prompter_.showMessage(QStringLiteral("The debts were not saved: %1 could not be read in "
                                             "full when the program started, and saving would "
                                             "replace the debts it holds.")
                                  .arg(dataFilePath()));
        return false;
    }
    QByteArray bytes;
    bytes.reserve(debts_.Count() * DebtRecord::kFileSize);
    for (const auto& debt : debts_)
        bytes.append(DebtRecord::fromDebt(*debt).toBytes());

    // The explicit flush matters: a write error that only surfaces when the
    // buffer is flushed inside commit() does not stop the replacement.
    QSaveFile file(dataFilePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        prompter_.showMessage(describeFileError(file));
        file.cancelWriting();
        return false;
    }
    return true;
}
