#include "account.h"

#include "debtrecord.h"
#include "platform/atomicwrite.h"
#include "platform/fileerror.h"
#include "platform/formats.h"
#include "platform/numberparse.h"
#include "platform/paths.h"
#include "platform/prompter.h"

#include <QFile>
#include <QSettings>
#include <cmath>

namespace {

// Misspelt, and kept so: the extra money of every earlier version is stored
// under this key.
const QString kSettingsKey = QStringLiteral("Settings/Excees Funds");

bool isFinite(const Debt& debt)
{
    return std::isfinite(debt.balance) && std::isfinite(debt.rate) && std::isfinite(debt.monthly) &&
           std::isfinite(debt.startDate);
}

} // namespace

Account::Account(Prompter& prompter, const QString& dataFolder, QSettings& settings)
    : prompter_(prompter), dataFolder_(dataFolder), settings_(settings), debts_(prompter)
{
}

QString Account::dataFilePath() const
{
    return joinPath(dataFolder_, kDataFileName);
}

void Account::clear()
{
    // Through remove(), the list's only way to drop a debt, which asks about
    // each one. load() is the only caller and runs before any debt exists,
    // so nothing is asked.
    QStringList creditors;
    for (const auto& debt : debts_)
        creditors.append(debt->creditor);
    for (const QString& creditor : creditors)
        debts_.remove(creditor);
    extraMoney_ = 0.0;
}

bool Account::load()
{
    clear();
    settings_.sync();
    extraMoney_ =
        numberAtStart(settings_.value(kSettingsKey, QStringLiteral("0")).toString()).value;
    const bool read = readDataFile();
    reportNumbersThatAreNotFinite();
    return read;
}

bool Account::readDataFile()
{
    dataFileReadInFull_ = false;
    QFile file(dataFilePath());
    // A new user starts with an empty file; an existing one is only read.
    if (!file.open(file.exists() ? QIODevice::ReadOnly : QIODevice::WriteOnly)) {
        prompter_.showMessage(fileErrorText(file));
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
        if (debts_.count() >= DebtList::kMaxCount) {
            prompter_.showMessage(
                QStringLiteral("%1 holds more than %2 debts; only the first %2 were read. Changes "
                               "will not be saved, so that the others are not lost.")
                    .arg(kDataFileName)
                    .arg(DebtList::kMaxCount));
            return false;
        }
        debts_.add(DebtRecord::fromBytes(bytes).toDebt());
    }
    if (file.error() != QFileDevice::NoError) {
        prompter_.showMessage(fileErrorText(file));
        return false;
    }
    dataFileReadInFull_ = true;
    return true;
}

// A damaged file can hold numbers that are no numbers at all. Those debts are
// kept, so that nothing is lost, and the user learns which to put right.
void Account::reportNumbersThatAreNotFinite()
{
    QStringList names;
    for (const auto& debt : debts_) {
        if (!isFinite(*debt))
            names.append(debt->creditor.trimmed());
    }
    if (names.isEmpty())
        return;
    prompter_.showMessage(QStringLiteral("%1 holds numbers that are not amounts, rates or dates "
                                         "for these debts: %2. Edit or delete them before you "
                                         "calculate.")
                              .arg(kDataFileName, names.join(QStringLiteral(", "))));
}

bool Account::save()
{
    const bool settingsSaved = writeSettings();
    const bool fileSaved = writeDataFile();
    return settingsSaved && fileSaved;
}

bool Account::writeSettings()
{
    settings_.setValue(kSettingsKey, Format::general(extraMoney_));
    settings_.sync();
    if (settings_.status() == QSettings::NoError)
        return true;
    prompter_.showMessage(QStringLiteral("The extra money could not be written to the settings "
                                         "file %1.")
                              .arg(settings_.fileName()));
    return false;
}

bool Account::writeDataFile()
{
    if (!dataFileReadInFull_) {
        prompter_.showMessage(QStringLiteral("The debts were not saved: %1 could not be read in "
                                             "full when the program started, and saving would "
                                             "replace the debts it holds.")
                                  .arg(dataFilePath()));
        return false;
    }
    QByteArray bytes;
    bytes.reserve(debts_.count() * DebtRecord::kFileSize);
    for (const auto& debt : debts_)
        bytes.append(DebtRecord::fromDebt(*debt).toBytes());
    if (const std::optional<QString> failure = writeWhole(dataFilePath(), bytes)) {
        prompter_.showMessage(*failure);
        return false;
    }
    return true;
}
