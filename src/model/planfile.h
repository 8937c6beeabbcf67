#pragma once

#include "paymentplan.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Why plan.json could not be taken: where in it, and what was found there.
struct PlanProblem {
    enum class Kind {
        NotReadable,      // detail: the system's words
        NotJson,          // detail: the parser's words
        NewerVersion,     // detail: the version it names
        WrongType,        // where: the entry that is not what the format says
        NotAMonth,        // where, detail: the text that is no "YYYY-MM"
        RateOutOfRange,   // where, detail: the rate
        TwoPromotions,    // detail: the debt named twice
        NamedTwiceInOrder // detail: the debt named twice
    };
    Kind kind = Kind::NotJson;
    QString where;
    QString detail;
};

// plan.json, the plan beside debts.dat:
//   {"version": 1,
//    "extraMoneyChanges": [{"month": "2027-05", "amount": 1500.00, "once": true}],
//    "promotions": [{"creditor": "Visa", "ratePercent": 0.0, "through": "2027-12"}],
//    "customOrder": ["Car Loan", "Visa"]}
// Every list may be missing; a missing file is an empty plan.
namespace PlanFile {

inline const QString kFileName = QStringLiteral("plan.json");
constexpr int kVersion = 1;

struct Read {
    PaymentPlan plan;
    std::optional<PlanProblem> problem; // the plan is empty then
};

Read read(const QString& path);
Read fromJson(const QByteArray& json);
QByteArray toJson(const PaymentPlan& plan);

} // namespace PlanFile
