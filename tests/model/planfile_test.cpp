#include "model/planfile.h"

#include <gtest/gtest.h>

namespace {

using Kind = PlanProblem::Kind;

TEST(PlanFile, ReadsThePlanAsWrittenByHandAndWritesItBackTheSame)
{
    const QByteArray json = R"({
      "version": 1,
      "extraMoneyChanges": [
        {"month": "2027-05", "amount": 1500.00, "once": true},
        {"month": "2027-09", "amount": -200.5, "once": false}
      ],
      "promotions": [{"creditor": "Visa", "ratePercent": 2.9, "through": "2027-12"}],
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
    EXPECT_TRUE(PlanFile::fromJson(R"({"version": 1})").plan.isEmpty());
}

TEST(PlanFile, AFileThatBreaksTheFormatIsRefusedWithItsReason)
{
    const std::tuple<const char*, Kind, const char*> cases[] = {
        {"{\"version\": 1,", Kind::NotJson, ""},
        {"[1]", Kind::WrongType, "the file"},
        {R"({"version": 2})", Kind::NewerVersion, "version"},
        {R"({})", Kind::WrongType, "version"},
        {R"({"version": 1, "promotions": {}})", Kind::WrongType, "promotions"},
        {R"({"version": 1, "extraMoneyChanges": [{"month": "2027-13", "amount": 1}]})",
         Kind::NotAMonth, "extraMoneyChanges[0].month"},
        {R"({"version": 1, "extraMoneyChanges": [{"month": "2027-01", "amount": "1"}]})",
         Kind::WrongType, "extraMoneyChanges[0].amount"},
        {R"({"version": 1, "promotions": [{"creditor": "A", "ratePercent": 101,
            "through": "2027-01"}]})",
         Kind::RateOutOfRange, "promotions[0]"},
        {R"({"version": 1, "promotions": [
            {"creditor": "A", "ratePercent": 1, "through": "2027-01"},
            {"creditor": " a", "ratePercent": 2, "through": "2027-02"}]})",
         Kind::TwoPromotions, "promotions[1]"},
        {R"({"version": 1, "customOrder": ["Visa", "VISA "]})", Kind::NamedTwiceInOrder,
         "customOrder"},
    };
    for (const auto& [json, kind, where] : cases) {
        const PlanFile::Read read = PlanFile::fromJson(json);
        ASSERT_TRUE(read.problem.has_value()) << json;
        EXPECT_EQ(read.problem->kind, kind) << json;
        if (kind != Kind::NotJson) { // where the parser stopped is its own
            EXPECT_EQ(read.problem->where, where) << json;
        }
        EXPECT_TRUE(read.plan.isEmpty()) << json;
    }
}

} // namespace
