#pragma once

#include "paymentplan.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Why plan.json could not be taken: where in it, and what was found there.
struct PlanProblem {
    enum class Kind {
        NotReadable,       // detail: the system's words
        NotJson,           // detail: the parser's words
        RepeatedKey,       // where: the object ("the file" at the top), detail: the key
        UnknownVersion,    // detail: the version it names
        WrongType,         // where: the entry that is not what the format says
        NotAMonth,         // where, detail: the text that is no "YYYY-MM"
        MonthOutOfRange,   // where, detail: the month, outside kFirstMonth to kLastMonth
        AmountOutOfRange,  // where, detail: the amount, larger than kLargestAmount either way
        AmountsOutOfRange, // where: the change whose amount takes them past kLargestAmount
        RateOutOfRange,    // where, detail: the rate
        TwoPromotions,     // detail: the debt named twice
        NamedTwiceInOrder  // detail: the debt named twice
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
// Every list may be missing; a missing file is an empty plan. Keys it does not
// know are kept (see PaymentPlan); a key twice in one object is refused, as
// one of its values would be lost. Names are read in Unicode's composed form
// (NFC), the one debts.dat's names always have.
namespace PlanFile {

inline const QString kFileName = QStringLiteral("plan.json");
constexpr int kVersion = 1;
// The months a plan can name. The schedule's dates count days from the end of
// 1899, and the format has four digits for the year.
constexpr YearMonth kFirstMonth{1900, 1};
constexpr YearMonth kLastMonth{9999, 12};
// The largest change of the extra money, and the largest the changes' sizes
// may add up to: any month's extra money then stays a figure kept to the cent
// (not "inf", as two changes of 1e308 would give).
constexpr double kLargestAmount = 1e12;

struct Read {
    PaymentPlan plan;
    std::optional<PlanProblem> problem; // the plan is empty then
};

Read read(const QString& path);
Read fromJson(const QByteArray& json);
QByteArray toJson(const PaymentPlan& plan);

} // namespace PlanFile
