#include "plantofollow.h"

#include "monthsink.h"
#include "payoffsimulation.h"

namespace {

// Keeps every figure of every month, the interest too, which the schedule
// on screen has no need of.
class PlannedMonths : public MonthSink {
public:
    explicit PlannedMonths(FollowedFigures& plan) : plan_(plan) {}

    void begin(const DebtArray& debts) override
    {
        for (const DebtFigures& debt : debts) {
            plan_.keys.push_back(debt.key);
            plan_.names.push_back(debt.name.trimmed());
            plan_.startBalances.push_back(debt.balance);
        }
    }
    void appendMonth(double paydate, double, double, const MonthPayments& payments) override
    {
        plan_.months.push_back(YearMonth::of(paydate).value_or(YearMonth{}));
        plan_.paydates.push_back(paydate);
        auto& month = plan_.planned.emplace_back();
        month.reserve(payments.size());
        for (const Payment& payment : payments)
            month.push_back({payment.payment, payment.interest, payment.balance});
    }
    void discard() override {}

private:
    FollowedFigures& plan_;
};

} // namespace

std::optional<FollowedFigures> planToFollow(const QString& method, const DebtArray& ordered,
                                            const PayoffTerms& terms)
{
    FollowedFigures plan;
    plan.method = method;
    plan.firstPaydate = terms.firstPaydate;
    PlannedMonths sink(plan);
    if (PayoffSimulation::run(ordered, terms, sink).outcome != PayoffSimulation::Outcome::PaidOff)
        return std::nullopt;
    return plan;
}
