#include "account.h"

#include "debtrecord.h"
#include "platform/atomicwrite.h"
#include "platform/fileerror.h"
#include "platform/formats.h"
#include "platform/numberparse.h"
#include "platform/paths.h"

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

Account::Account(const QString& dataFolder, QSettings& settings)
    : dataFolder_(dataFolder), settings_(settings)
{
}

QString Account::dataFilePath() const
{
    return joinPath(dataFolder_, kDataFileName);
}

void Account::clear()
{
    debts_.clear();
    extraMoney_ = 0.0;
}

LoadReport Account::load()
{
    clear();
    settings_.sync();
    extraMoney_ =
        numberAtStart(settings_.value(kSettingsKey, QStringLiteral("0")).toString()).value;
    LoadReport report;
    DebtList loaded;
    readDataFile(loaded, report);
    debts_.takeFrom(loaded);
    dataFileReadInFull_ = report.readInFull();
    // A damaged file can hold numbers that are no numbers at all. Those debts
    // are kept, so that nothing is lost, and the user learns which to put right.
    report.notFinite = namesThatAreNotFinite();
    return report;
}

void Account::readDataFile(DebtList& debts, LoadReport& report) const
{
    QFile file(dataFilePath());
    // A new user starts with an empty file; an existing one is only read.
    if (!file.open(file.exists() ? QIODevice::ReadOnly : QIODevice::WriteOnly)) {
        report.readError = fileErrorText(file);
        return;
    }
    if (!file.isReadable())
        return;
    // A trailing part-record (a file cut short) is ignored.
    for (QByteArray bytes = file.read(DebtRecord::kFileSize); bytes.size() == DebtRecord::kFileSize;
         bytes = file.read(DebtRecord::kFileSize)) {
        if (bytes.at(0) == '\0')
            continue;
        const Debt debt = DebtRecord::fromBytes(bytes).toDebt();
        switch (debts.add(debt)) {
        case DebtList::AddResult::Added:
            break;
        case DebtList::AddResult::DuplicateKey:
            report.repeatedNames.append(DebtList::keyOf(debt.creditor));
            break;
        case DebtList::AddResult::ListFull:
            report.tooMany = true;
            return;
        }
    }
    if (file.error() != QFileDevice::NoError)
        report.readError = fileErrorText(file);
}

QStringList Account::namesThatAreNotFinite() const
{
    QStringList names;
    for (const Debt& debt : debts_) {
        if (!isFinite(debt))
            names.append(DebtList::keyOf(debt.creditor));
    }
    return names;
}

SaveResult Account::save()
{
    SaveResult result;
    for (const std::optional<SaveFailure>& failure : {writeSettings(), writeDataFile()}) {
        if (failure)
            result.failures.push_back(*failure);
    }
    return result;
}

std::optional<SaveFailure> Account::writeSettings()
{
    settings_.setValue(kSettingsKey, Format::general(extraMoney_));
    settings_.sync();
    if (settings_.status() == QSettings::NoError)
        return std::nullopt;
    return SaveFailure{SaveFailure::Kind::SettingsNotWritten, settings_.fileName()};
}

std::optional<SaveFailure> Account::writeDataFile()
{
    if (!dataFileReadInFull_)
        return SaveFailure{SaveFailure::Kind::FileNotReadInFull, dataFilePath()};
    QByteArray bytes;
    bytes.reserve(debts_.count() * DebtRecord::kFileSize);
    for (const Debt& debt : debts_)
        bytes.append(DebtRecord::fromDebt(debt).toBytes());
    if (const std::optional<QString> failure = writeWhole(dataFilePath(), bytes))
        return SaveFailure{SaveFailure::Kind::FileNotWritten, *failure};
    return std::nullopt;
}
