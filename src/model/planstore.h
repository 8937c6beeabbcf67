#pragma once

#include "paymentplan.h"
#include "store.h"

// plan.json, the plan beside debts.dat (see PlanFile). It is written only
// when the plan changed, and before the debts: a failed save of the debts
// takes it back, so that the two files never disagree. A file that could
// not be taken is kept beside itself before it is first replaced.
class PlanStore : public Store {
public:
    PlanStore(const QString& folder, PaymentPlan& plan);

    QString name() const override { return PlanFile::kFileName; }
    Part part() const override { return Part::Together; }
    void load(LoadReport& report) override;
    FileSave write() override;
    bool takeBack() override;
    std::optional<QByteArray> contentToWrite() const override;

private:
    QString path() const;

    QString folder_;
    PaymentPlan& plan_;
    PaymentPlan saved_;    // what plan.json holds
    PaymentPlan previous_; // what it held before the last write
    bool unread_ = false;  // it could not be taken when loaded
};
