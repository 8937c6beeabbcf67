#include "account.h"

#include "debtrecord.h"
#include "extramoney.h"
#include "platform/atomicwrite.h"
#include "platform/paths.h"

#include <QFile>
#include <QSettings>
#include <algorithm>

namespace {

// Misspelt, and kept so: the extra money of every earlier version is stored
// under this key.
const QString kSettingsKey = QStringLiteral("Settings/Excees Funds");
const QString kKeptSuffix = QStringLiteral(".bak");

} // namespace

int LoadReport::notANumber() const
{
    return static_cast<int>(std::count_if(flawed.begin(), flawed.end(), [](const auto& debt) {
        return debt.second == Debt::Flaw::NotANumber;
    }));
}

bool LoadReport::takenWhole() const
{
    return repeatedNames.isEmpty() && emptiedRecords == 0 && strayBytes == 0 && !tooMany &&
           notANumber() == 0;
}

Account::Account(const QString& dataFolder, QSettings& settings)
    : dataFolder_(dataFolder), settings_(settings)
{
}

QString Account::dataFilePath() const
{
    return joinPath(dataFolder_, kDataFileName);
}

QString Account::planFilePath() const
{
    return joinPath(dataFolder_, PlanFile::kFileName);
}

void Account::setPlan(const PaymentPlan& plan)
{
    plan_ = plan;
}

bool Account::removeDebt(const QString& key)
{
    if (!debts_.remove(key))
        return false;
    plan_.dropDebt(key);
    return true;
}

void Account::clear()
{
    debts_.clear();
    extraMoney_ = 0.0;
    plan_ = savedPlan_ = PaymentPlan();
}

Account::Snapshot Account::snapshot() const
{
    return {std::vector<Debt>(debts_.begin(), debts_.end()), extraMoney_, plan_};
}

void Account::restore(const Snapshot& snapshot)
{
    DebtList restored;
    for (const Debt& debt : snapshot.debts)
        (void)restored.add(debt);
    debts_.takeFrom(restored);
    extraMoney_ = snapshot.extraMoney;
    plan_ = snapshot.plan;
}

LoadReport Account::load()
{
    clear();
    settings_.sync();
    extraMoney_ =
        ExtraMoney::fromSetting(settings_.value(kSettingsKey, QStringLiteral("0")).toString());
    LoadReport report;
    DebtList loaded;
    readDataFile(loaded, report);
    debts_.takeFrom(loaded);
    report.flawed = debts_.flawedDebts();
    const PlanFile::Read plan = PlanFile::read(planFilePath());
    plan_ = savedPlan_ = plan.plan;
    report.planProblem = plan.problem;
    planUnread_ = plan.problem.has_value();
    loaded_ = report.readError      ? Loaded::Unread
              : report.takenWhole() ? Loaded::Whole
                                    : Loaded::NotWhole;
    return report;
}

void Account::readDataFile(DebtList& debts, LoadReport& report) const
{
    QFile file(dataFilePath());
    if (!file.exists()) {
        // A new user starts with an empty file. One that cannot be made is
        // nothing lost: the first save says why.
        file.open(QIODevice::WriteOnly);
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        report.readError = FileProblem::of(file);
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        report.readError = FileProblem::of(file);
        return;
    }
    report.strayBytes = bytes.size() % DebtRecord::kFileSize;
    for (qsizetype at = 0; at + DebtRecord::kFileSize <= bytes.size();
         at += DebtRecord::kFileSize) {
        const QByteArrayView record(bytes.constData() + at, DebtRecord::kFileSize);
        if (record.front() == '\0') {
            ++report.emptiedRecords;
            continue;
        }
        const Debt debt = DebtRecord::fromBytes(record).toDebt();
        switch (debts.add(debt)) {
        case DebtList::AddResult::Added:
            break;
        case DebtList::AddResult::DuplicateKey: {
            // Named as the debt that was kept, once however often it repeats.
            const QString kept = DebtList::keyOf(debts.find(debt.creditor)->creditor);
            if (!report.repeatedNames.contains(kept))
                report.repeatedNames.append(kept);
            break;
        }
        case DebtList::AddResult::ListFull:
            report.tooMany = true;
            return;
        }
    }
}

SaveResult Account::save()
{
    SaveResult result;
    result.settingProblem = writeSetting();
    // The plan first: a debt's delete that its plan could not follow is not
    // written, so that a later debt of that name inherits nothing of it.
    const PaymentPlan previousPlan = savedPlan_;
    result.planFile = writePlanFile();
    if (!result.planSaved()) {
        result.dataFile.outcome = FileSave::Outcome::Skipped;
        return result;
    }
    result.dataFile = writeDataFile();
    if (!result.dataFile.saved() && result.planFile.outcome == FileSave::Outcome::Written &&
        !writeWhole(planFilePath(), PlanFile::toJson(previousPlan)))
        savedPlan_ = previousPlan; // the change is taken back: the plan file goes with it
    return result;
}

FileSave Account::writePlanFile()
{
    if (plan_ == savedPlan_)
        return {FileSave::Outcome::Unchanged, {}, {}};
    FileSave saved = replace(planFilePath(), PlanFile::toJson(plan_), planUnread_);
    if (saved.keptAs)
        planUnread_ = false;
    if (saved.saved())
        savedPlan_ = plan_;
    return saved;
}

std::optional<FileProblem> Account::writeSetting()
{
    settings_.setValue(kSettingsKey, ExtraMoney::toSetting(extraMoney_));
    settings_.sync();
    if (settings_.status() == QSettings::NoError)
        return std::nullopt;
    return FileProblem::of(settings_.fileName(), QString());
}

FileSave Account::writeDataFile()
{
    if (loaded_ == Loaded::Unread)
        return {FileSave::Outcome::Unread, {}, {}};
    QByteArray bytes;
    bytes.reserve(debts_.count() * DebtRecord::kFileSize);
    for (const Debt& debt : debts_)
        bytes.append(DebtRecord::fromDebt(debt).toBytes());
    FileSave saved = replace(dataFilePath(), bytes, loaded_ == Loaded::NotWhole);
    if (saved.keptAs)
        loaded_ = Loaded::Whole;
    return saved;
}

FileSave Account::replace(const QString& path, const QByteArray& bytes, bool keepFirst)
{
    FileSave saved;
    if (keepFirst) {
        QString kept = path + kKeptSuffix;
        for (int number = 2; QFile::exists(kept); ++number)
            kept = path + kKeptSuffix + QLatin1Char('.') + QString::number(number);
        QFile file(path);
        if (!file.copy(kept))
            return {FileSave::Outcome::NotKept, FileProblem::of(kept, file.errorString()), {}};
        saved.keptAs = kept;
    }
    if ((saved.problem = writeWhole(path, bytes)))
        saved.outcome = FileSave::Outcome::NotWritten;
    return saved;
}
