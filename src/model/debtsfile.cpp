#include "debtsfile.h"

#include "debtlist.h"
#include "debtrecord.h"
#include "platform/paths.h"

#include <QFile>

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
}

void DebtsFile::read(DebtList& debts, LoadReport& report) const
{
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

FileSave DebtsFile::write()
{
    if (loaded_ == Loaded::Unread)
        return {FileSave::Outcome::Unread, {}, {}};
    QByteArray bytes;
    bytes.reserve(debts_.count() * DebtRecord::kFileSize);
    for (const Debt& debt : debts_)
        bytes.append(DebtRecord::fromDebt(debt).toBytes());
    FileSave saved = replace(path(), bytes, loaded_ == Loaded::NotWhole);
    if (saved.keptAs)
        loaded_ = Loaded::Whole;
    return saved;
}
