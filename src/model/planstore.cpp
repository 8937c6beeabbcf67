#include "planstore.h"

#include "platform/atomicwrite.h"
#include "platform/paths.h"

PlanStore::PlanStore(const QString& folder, PaymentPlan& plan) : folder_(folder), plan_(plan) {}

QString PlanStore::path() const
{
    return joinPath(folder_, PlanFile::kFileName);
}

void PlanStore::load(LoadReport& report)
{
    if (const auto nonFile = FileProblem::ofNonFile(path(), FileProblem::Access::Read)) {
        plan_ = saved_ = {};
        report.notFiles.push_back(*nonFile);
        unread_ = false; // nothing there to keep: a save is refused until it is moved away
        return;
    }
    const PlanFile::Read read = PlanFile::read(path());
    plan_ = saved_ = read.plan;
    report.planProblem = read.problem;
    unread_ = read.problem.has_value();
}

FileSave PlanStore::write()
{
    if (plan_ == saved_)
        return {FileSave::Outcome::Unchanged, {}, {}};
    FileSave saved = replace(path(), PlanFile::toJson(plan_), unread_);
    if (saved.keptAs)
        unread_ = false;
    if (saved.saved()) {
        previous_ = saved_;
        saved_ = plan_;
    }
    return saved;
}

std::optional<QByteArray> PlanStore::contentToWrite() const
{
    if (plan_ == saved_ || unread_)
        return std::nullopt;
    return PlanFile::toJson(plan_);
}

bool PlanStore::takeBack()
{
    if (writeWhole(path(), PlanFile::toJson(previous_)))
        return false;
    saved_ = previous_;
    return true;
}
