#include "debtsfile.h"

#include "debtlist.h"
#include "debtrecord.h"
#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>

DebtsFile::DebtsFile(const QString& folder, DebtList& debts) : folder_(folder), debts_(debts) {}

QString DebtsFile::path() const
{
    return joinPath(folder_, kFileName);
}

void DebtsFile::load(LoadReport& report)
{
    DebtList loaded;
    read(loaded, report);
    debts_.takeFrom(loaded);
    report.flawed = debts_.flawedDebts();
    loaded_ = report.readError      ? Loaded::Unread
              : report.takenWhole() ? Loaded::Whole
                                    : Loaded::NotWhole;
    notAFile_ = report.readError && report.readError->isNonFile();
}

void DebtsFile::read(DebtList& debts, LoadReport& report)
{
    onDisk_.clear();
    if ((report.readError = FileProblem::ofNonFile(path(), FileProblem::Access::Read)))
        return;
    QFile file(path());
    if (!file.exists()) {
        // A new user starts with an empty file. One that cannot be made is
        // nothing lost: the first save says why.
        file.open(QIODevice::WriteOnly);
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        report.readError = FileProblem::of(file, FileProblem::Access::Read);
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        report.readError = FileProblem::of(file, FileProblem::Access::Read);
        return;
    }
    onDisk_ = bytes;
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

bool DebtsFile::isOnDisk(const QByteArray& bytes) const
{
    // A file removed while the program ran is written again.
    return bytes == onDisk_ && QFileInfo::exists(path());
}

QByteArray DebtsFile::content() const
{
    QByteArray bytes;
    bytes.reserve(debts_.count() * DebtRecord::kFileSize);
    for (const Debt& debt : debts_)
        bytes.append(DebtRecord::fromDebt(debt).toBytes());
    return bytes;
}

std::optional<QByteArray> DebtsFile::contentToWrite() const
{
    if (loaded_ != Loaded::Whole)
        return std::nullopt;
    QByteArray bytes = content();
    if (isOnDisk(bytes))
        return std::nullopt;
    return bytes;
}

FileSave DebtsFile::write()
{
    if (loaded_ == Loaded::Unread && !notAFile_)
        return {FileSave::Outcome::Unread, {}, {}};
    const QByteArray bytes = content();
    // A file not taken whole is written even unchanged: its save is what
    // keeps the file as it was beside it.
    if (loaded_ == Loaded::Whole && isOnDisk(bytes))
        return {FileSave::Outcome::Unchanged, {}, {}};
    FileSave saved = replace(path(), bytes, loaded_ == Loaded::NotWhole);
    if (saved.keptAs)
        loaded_ = Loaded::Whole;
    if (saved.saved()) {
        loaded_ = Loaded::Whole;
        notAFile_ = false;
        onDisk_ = bytes;
    }
    return saved;
}
