#include "report/sampleschedule.h"
#include "ui/main/schedulemodel.h"

#include <QAbstractItemModelTester>

namespace {

TEST(ScheduleModel, JanuaryRowsArePaleCyanDebtColumnsCentredAndEqualHeaderCellsMerged)
{
    Schedule schedule = scheduleFor({"Visa", "Amex"});
    for (const QDate month : {QDate(2046, 12, 6), QDate(2047, 1, 6)})
        schedule.appendMonth(DayDate::fromDate(month), 100, 0, {{50, 10}, {50, 10}});
    const ScheduleText text(schedule, QLocale(QLocale::Arabic, QLocale::Egypt));
    ScheduleModel model(text);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.scheduleChanged();
    const auto data = [&](int row, int column, int role) {
        return model.index(row, column).data(role);
    };
    EXPECT_EQ(data(3, 6, Qt::BackgroundRole), QVariant(ScheduleModel::kJanuaryColour));
    EXPECT_NE(data(2, 6, Qt::BackgroundRole), QVariant(ScheduleModel::kJanuaryColour));
    EXPECT_EQ(data(2, 3, Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    EXPECT_NE(data(2, 2, Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    EXPECT_EQ(data(2, 1, Qt::DisplayRole), QString::fromUtf8(" ١٠٠٫٠٠")) << "the locale's digits";
    using Runs = std::vector<std::pair<int, int>>;
    EXPECT_EQ(model.mergedRuns(0), Runs({{0, 3}, {3, 2}, {5, 2}}));
    EXPECT_EQ(model.mergedRuns(1), Runs()) << "Date, Balance, Extra $, Payment, Balance...";
    EXPECT_EQ(model.mergedRuns(2), Runs()) << "month rows never merge";
}

} // namespace
