#pragma once

#include "store.h"

class DebtList;

// debts.dat: the debts in fixed 132-byte records (see DebtRecord), created
// empty when missing. A file that could not be read is never replaced; one
// that was not taken whole is kept beside itself before it is first replaced.
class DebtsFile : public Store {
public:
    static inline const QString kFileName = QStringLiteral("debts.dat");

    DebtsFile(const QString& folder, DebtList& debts);

    QString name() const override { return kFileName; }
    Part part() const override { return Part::Together; }
    void load(LoadReport& report) override;
    FileSave write() override;

private:
    QString path() const;
    void read(DebtList& debts, LoadReport& report) const;

    QString folder_;
    DebtList& debts_;
    enum class Loaded { Whole, NotWhole, Unread };
    Loaded loaded_ = Loaded::Whole;
};
