#include "model/planfile.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

using Kind = PlanProblem::Kind;

TEST(PlanFile, ReadsThePlanAsWrittenByHandAndWritesItBackTheSame)
{
    const QByteArray json = R"({
      "version": 1, "comment": "version",
      "extraMoneyChanges": [
        {"month": "2027-05", "amount": 1500.00, "once": true, "note": {"month": 1}},
        {"month": "2027-09", "amount": -200.5, "once": false}
      ],
      "promotions": [{"creditor": "Visa", "ratePercent": 2.9, "through": "2027-12", "note": 1}],
      "customOrder": ["Car Loan", "Visa"]
    })";
    const PlanFile::Read read = PlanFile::fromJson(json);
    ASSERT_FALSE(read.problem.has_value());
    ASSERT_EQ(read.plan.extraMoneyChanges.size(), 2u);
    const auto& pause = read.plan.extraMoneyChanges[1];
    EXPECT_EQ(std::tie(pause.month.year, pause.month.month, pause.amount, pause.once),
              std::make_tuple(2027, 9, -200.5, false));
    EXPECT_EQ(read.plan.promotionOf("visa ")->ratePercent, 2.9);
    EXPECT_EQ(read.plan.customOrder, QStringList({"Car Loan", "Visa"}));
    EXPECT_TRUE(PlanFile::fromJson(PlanFile::toJson(read.plan)).plan == read.plan);
    // A note of the user's outlives a save, and is no change that asks for one.
    EXPECT_EQ(QJsonDocument::fromJson(PlanFile::toJson(read.plan)), QJsonDocument::fromJson(json));
    PaymentPlan unnoted = read.plan;
    unnoted.otherKeys = unnoted.extraMoneyChanges[0].otherKeys =
        unnoted.promotions[0].otherKeys = {};
    EXPECT_TRUE(unnoted == read.plan);
    EXPECT_TRUE(PlanFile::fromJson(R"({"version": 1})").plan.isEmpty());
}

TEST(PlanFile, AFileThatBreaksTheFormatIsRefusedWithItsReason)
{
    // The file, what is wrong with it, where, and what was found there.
    const std::tuple<const char*, Kind, const char*, const char*> cases[] = {
        {"{\"version\": 1,", Kind::NotJson, "", ""},
        {"[1]", Kind::WrongType, "the file", ""},
        {R"({"version": 2})", Kind::UnknownVersion, "version", "2"},
        {R"({"version": 1.0000000001})", Kind::UnknownVersion, "version", "1.0000000001"},
        {R"({"version": "1"})", Kind::WrongType, "version", ""},
        {R"({"version": 1, "promotions": {}})", Kind::WrongType, "promotions", ""},
        {R"({"version": 1, "customOrder": [], "customOrder": []})", Kind::RepeatedKey, "the file",
         "customOrder"},
        {R"({"version": 1, "extraMoneyChanges": [{}, {"month": 1, "m\u006fnth": 2}]})",
         Kind::RepeatedKey, "extraMoneyChanges[1]", "month"},
        {R"({"version": 1, "promotions": [{"note": {"a": [], "b": {"a": 1}, "a": 2}}]})",
         Kind::RepeatedKey, "promotions[0].note", "a"},
        {R"({"version": 1, "extraMoneyChanges": [{"month": "2027-13", "amount": 1}]})",
         Kind::NotAMonth, "extraMoneyChanges[0].month", "2027-13"},
        {R"({"version": 1, "extraMoneyChanges": [{"month": "2027-05\n", "amount": 1}]})",
         Kind::NotAMonth, "extraMoneyChanges[0].month", "2027-05\n"},
        {R"({"version": 1, "extraMoneyChanges": [{"month": "1899-12", "amount": 1}]})",
         Kind::MonthOutOfRange, "extraMoneyChanges[0].month", "1899-12"},
        {R"({"version": 1, "extraMoneyChanges": [{"month": "2027-01", "amount": "1"}]})",
         Kind::WrongType, "extraMoneyChanges[0].amount", ""},
        {R"({"version": 1, "extraMoneyChanges": [{"month": "2027-01", "amount": -2e12}]})",
         Kind::AmountOutOfRange, "extraMoneyChanges[0].amount", "-2e+12"},
        {R"({"version": 1, "extraMoneyChanges": [{"month": "2027-01", "amount": 1e12},
            {"month": "2027-02", "amount": -0.01}]})",
         Kind::AmountsOutOfRange, "extraMoneyChanges[1]", ""},
        {R"({"version": 1, "promotions": [{"creditor": "A", "ratePercent": 100.0001,
            "through": "2027-01"}]})",
         Kind::RateOutOfRange, "promotions[0]", "100.0001"},
        {R"({"version": 1, "promotions": [
            {"creditor": "A", "ratePercent": 1, "through": "2027-01"},
            {"creditor": " a", "ratePercent": 2, "through": "2027-02"}]})",
         Kind::TwoPromotions, "promotions[1]", "a"},
        {R"({"version": 1, "promotions": [
            {"creditor": "Caf\u00e9 Card", "ratePercent": 1, "through": "2027-01"},
            {"creditor": "Cafe\u0301 card", "ratePercent": 2, "through": "2027-02"}]})",
         Kind::TwoPromotions, "promotions[1]", "Caf\u00e9 card"},
        {R"({"version": 1, "customOrder": ["Visa", "VISA "]})", Kind::NamedTwiceInOrder,
         "customOrder", "VISA"},
        {R"({"version": 1, "customOrder": ["Cafe\u0301", "CAF\u00c9"]})", Kind::NamedTwiceInOrder,
         "customOrder", "CAF\u00c9"},
    };
    for (const auto& [json, kind, where, detail] : cases) {
        const PlanFile::Read read = PlanFile::fromJson(json);
        ASSERT_TRUE(read.problem.has_value()) << json;
        EXPECT_EQ(read.problem->kind, kind) << json;
        if (kind != Kind::NotJson) { // where the parser stopped, and why, is its own
            EXPECT_EQ(read.problem->where, where) << json;
            EXPECT_EQ(read.problem->detail, QString::fromUtf8(detail)) << json;
        }
        EXPECT_TRUE(read.plan.isEmpty()) << json;
    }
}

} // namespace
