#include "reportsummary.h"

#include "platform/formats.h"

namespace {

QString column(const QString& text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

QString figure(const QString& text, int width)
{
    return text.rightJustified(width, QLatin1Char(' '), true);
}

} // namespace

namespace ReportSummary {

std::vector<ReportPage> pages(const SummaryFacts& facts)
{
    std::vector<ReportLine> lines;
    const auto line = [&lines](const QString& text, bool emphasis = false) {
        lines.push_back({text, emphasis});
    };
    line(QStringLiteral("Debt Payoff Summary"), true);
    line(QStringLiteral("Made %1").arg(Format::typedDate(facts.madeOn)));
    line({});
    line(QStringLiteral("Method: %1").arg(facts.method));
    line(QStringLiteral("Extra money: %1 a month").arg(Format::currency(facts.extraMoney)));
    line(facts.planChanges.isEmpty() ? QStringLiteral("Payment plan: no changes of the extra money")
                                     : QStringLiteral("Payment plan:"));
    for (const QString& change : facts.planChanges)
        line(QStringLiteral("  ") + change);
    line({});
    line(column(QStringLiteral("Creditor"), 26) + figure(QStringLiteral("Balance"), 14) +
             figure(QStringLiteral("Rate"), 9) + figure(QStringLiteral("Minimum"), 12) +
             QStringLiteral("   ") + column(QStringLiteral("Starts"), 13) +
             QStringLiteral("Promotion"),
         true);
    for (const SummaryFacts::DebtFacts& debt : facts.debts)
        line(column(debt.creditor.trimmed(), 26) + figure(Format::currency(debt.balance), 14) +
             figure(Format::percent(debt.rate), 9) + figure(Format::currency(debt.minimum), 12) +
             QStringLiteral("   ") + column(Format::typedDate(debt.start), 13) + debt.promotion);
    line({});
    line(QStringLiteral("Debt-free: %1, after %2 months")
             .arg(Format::monthYear(facts.debtFreeOn))
             .arg(facts.months));
    line(QStringLiteral("Total interest: %1").arg(Format::currency(facts.totalInterest)));
    line(QStringLiteral("Total payments: %1").arg(Format::currency(facts.totalPayments)));
    line(facts.interestSaved
             ? QStringLiteral("Interest saved against paying only the minimums: %1")
                   .arg(Format::currency(*facts.interestSaved))
             : QStringLiteral("Paying only the minimums never clears these debts."));

    std::vector<ReportPage> pages;
    for (size_t first = 0; first < lines.size(); first += ReportLayout::kRowsPerPage) {
        const auto end =
            lines.begin() +
            static_cast<long>(std::min(lines.size(), first + ReportLayout::kRowsPerPage));
        pages.push_back({std::vector<ReportLine>(lines.begin() + static_cast<long>(first), end)});
    }
    return pages;
}

} // namespace ReportSummary
