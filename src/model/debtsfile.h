#pragma once

#include "store.h"

class DebtList;

// debts.dat: the debts in fixed 132-byte records (see DebtRecord), created
// empty when missing. A file that could not be read is never replaced; one
// that was not taken whole is kept beside itself before it is first replaced.
// A save that would write the bytes the file holds leaves it be: a change of
// something else is no reason to write (or fail to write) the debts.
class DebtsFile : public Store {
public:
    static inline const QString kFileName = QStringLiteral("debts.dat");

    DebtsFile(const QString& folder, DebtList& debts);

    QString name() const override { return kFileName; }
    Part part() const override { return Part::Together; }
    void load(LoadReport& report) override;
    FileSave write() override;
    std::optional<QByteArray> contentToWrite() const override;

private:
    QString path() const;
    void read(DebtList& debts, LoadReport& report);
    QByteArray content() const;
    bool isOnDisk(const QByteArray& bytes) const;

    QString folder_;
    DebtList& debts_;
    enum class Loaded { Whole, NotWhole, Unread };
    Loaded loaded_ = Loaded::Whole;
    // Something in the file's place that is no file: saves are refused with
    // it until it is moved away, and then the file is made new.
    bool notAFile_ = false;
    QByteArray onDisk_; // what the file holds, as read or last written
};
