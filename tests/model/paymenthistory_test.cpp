#include "model/account.h"
#include "model/paymenthistory.h"
#include "support/debts.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <type_traits>

namespace {

using Kind = HistoryProblem::Kind;

template <typename T> QString field(const T& value)
{
    if constexpr (std::is_arithmetic_v<T>)
        return QString::number(double(value), 'g', 17); // enough digits for every bit
    else if constexpr (std::is_same_v<T, QDate>)
        return value.toString(Qt::ISODate);
    else
        return QString(value);
}
template <typename... Fields> QString line(const Fields&... fields)
{
    return QStringList{field(fields)...}.join(' ');
}

// Every field of a history, a line a row.
QStringList fields(const PaymentHistory& history)
{
    QStringList lines;
    for (const FollowedPlan& plan : history.followedPlans()) {
        lines << line("plan", plan.id, plan.followedOn, plan.method, plan.extraMoney,
                      plan.paymentPlan, plan.firstPaydate);
        for (const PlannedDebt& debt : plan.debts)
            lines << line(" debt", debt.key, debt.name, debt.startBalance);
        for (const PlannedMonth& month : plan.months) {
            lines << line(" month", month.month.toString(), month.paydate);
            for (const PlannedPayment& debt : month.debts)
                lines.last() += ' ' + line(debt.payment, debt.interest, debt.balance);
        }
    }
    for (const RecordedMonth& month : history.months()) {
        lines << line("recorded", month.month.toString(), month.recordedOn, month.applied);
        for (const RecordedPayment& paid : month.payments)
            lines << line(" paid", paid.key, paid.name, paid.balanceBefore,
                          paid.planned ? field(*paid.planned) : "-", paid.paid, paid.balanceAfter);
    }
    if (const auto& pending = history.pendingRename())
        lines << line("renaming", pending->from, "to", pending->to);
    return lines;
}

// What a change was refused with; none when it was made.
std::optional<Kind> refusal(const std::optional<HistoryProblem>& problem)
{
    return problem ? std::optional<Kind>(problem->kind) : std::nullopt;
}

RecordedPayment paid(const QString& name, double paid, std::optional<double> planned = {})
{
    return {name.toLower(), name, 1000, planned, paid, 1000 - paid};
}

FollowedPlan planOf(const QStringList& names)
{
    FollowedPlan plan{0, kToday, "snowball", 50, "{}", 53342, {}, {{{2047, 1}, 53342, {}}}};
    for (const QString& name : names) {
        plan.debts.push_back({name.toLower(), name, 1000});
        plan.months[0].debts.push_back({100, 10, 910});
    }
    return plan;
}

class PaymentHistoryTest : public testing::Test {
protected:
    QTemporaryDir folder;
    QString path = folder.filePath("history.db");
    std::unique_ptr<PaymentHistory> history = loaded();

    // A real history.db, its connection closed; the bytes it holds.
    QByteArray made()
    {
        history = loaded();
        EXPECT_FALSE(history->follow(planOf({"Visa", "Car"})));
        EXPECT_FALSE(history->record({{2047, 1}, kToday, false, {paid("Visa", 5)}}));
        history.reset();
        return readFile(path);
    }
    // history.db holding these bytes, then changed by the statement as another
    // program would.
    void makeFile(const QByteArray& bytes, const QString& statement = {}) const
    {
        writeFile(path, bytes);
        if (statement.isEmpty())
            return;
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
            other.setDatabaseName(path);
            ASSERT_TRUE(other.open());
            EXPECT_TRUE(QSqlQuery(other).exec(statement)) << statement.toStdString();
        }
        QSqlDatabase::removeDatabase("other");
    }
    // The history as the next start reads it.
    std::unique_ptr<PaymentHistory> loaded(LoadReport* report = nullptr) const
    {
        auto fresh = std::make_unique<PaymentHistory>(folder.path());
        LoadReport ignored;
        fresh->load(report ? *report : ignored);
        return fresh;
    }
};

TEST_F(PaymentHistoryTest, AMissingOrEmptyFileIsAnEmptyHistoryThatOnlyAFollowOrARecordWrites)
{
    for (const bool emptyFile : {false, true}) {
        QFile::remove(path);
        if (emptyFile)
            writeFile(path, {});
        history = loaded();
        EXPECT_TRUE(history->isAvailable());
        EXPECT_TRUE(fields(*history).isEmpty());
        EXPECT_FALSE(history->markApplied({2047, 1}) || history->beginRename("A", "B") ||
                     history->finishRename());
        history->limitPages(2); // too few for the tables
        EXPECT_EQ(refusal(history->follow(planOf({"Visa"}))), Kind::Full);
        EXPECT_EQ(QFileInfo::exists(path), emptyFile) << "a failed first write makes no file";
        EXPECT_EQ(readFile(path), QByteArray());
        history->limitPages(0);
        ASSERT_FALSE(history->follow(planOf({"Visa"})));
        EXPECT_EQ(fields(*loaded()), fields(*history));
        EXPECT_EQ(fields(*history).size(), 3);
    }
    PaymentHistory unwritable(kUnwritableFolder);
    LoadReport report;
    unwritable.load(report);
    EXPECT_FALSE(report.historyProblem);
    EXPECT_EQ(refusal(unwritable.record({{2047, 1}, kToday, false, {}})), Kind::NotWritable);
    EXPECT_TRUE(unwritable.months().empty());
}

TEST_F(PaymentHistoryTest, KeepsEveryFieldOfThePlansFollowedAndTheMonthsRecorded)
{
    FollowedPlan first{99,      kToday, "avalanche", 0.1 + 0.2, R"({"customOrder": ["Car Loan"]})",
                       53342.5, {},     {}};
    first.debts = {{"car loan", "Car Loan", 1.0 / 3}, {"visa", "Visa", 1e-310}};
    first.months = {{{2047, 1}, 53342.5, {{25, 1.7976931348623157e308, -42.25}, {0, 0, 1}}},
                    {{2047, 2}, 53373.5, {{25.5, 0.125, 1234567.890123}, {1, 2, 3}}}};
    FollowedPlan second; // all it leaves out is kept as left out
    second.debts = {{" VISA ", "Visa", 7}};
    ASSERT_FALSE(history->follow(first));
    ASSERT_FALSE(history->follow(second));
    ASSERT_FALSE(history->record(
        {{2047, 3}, kToday, false, {paid("Visa", 0.1 + 0.2, 25), paid("Car Loan", 1.0 / 3)}}));
    ASSERT_FALSE(history->record({{2047, 1}, kToday.addDays(-60), true, {paid("Visa", 25, 25)}}));
    // Again: its values are replaced, and a debt left out keeps its own.
    ASSERT_FALSE(history->record(
        {{2047, 3}, kToday.addDays(1), true, {paid("Visa", 40, 25), paid("Store Card", 12.5)}}));
    const QStringList expected = {
        R"(plan 1 2046-12-06 avalanche 0.30000000000000004 {"customOrder": ["Car Loan"]} 53342.5)",
        " debt car loan Car Loan 0.33333333333333331",
        " debt visa Visa 9.9999999999999694e-311",
        " month 2047-01 53342.5 25 1.7976931348623157e+308 -42.25 0 0 1",
        " month 2047-02 53373.5 25.5 0.125 1234567.8901229999 1 2 3",
        "plan 2   0  0",
        " debt visa Visa 7",
        "recorded 2047-01 2046-10-07 1",
        " paid visa Visa 1000 25 25 975",
        "recorded 2047-03 2046-12-07 1",
        " paid visa Visa 1000 25 40 960",
        " paid car loan Car Loan 1000 - 0.33333333333333331 999.66666666666663",
        " paid store card Store Card 1000 - 12.5 987.5",
    };
    EXPECT_EQ(fields(*history), expected);
    const auto again = loaded();
    EXPECT_EQ(fields(*again), expected);
    EXPECT_EQ(again->followed()->id, 2);
    EXPECT_EQ(again->recorded({2047, 2}), nullptr);
    EXPECT_EQ(again->recorded({2047, 3}), &again->months()[1]);
}

TEST_F(PaymentHistoryTest, TheAccountKeepsItAndADeletedDebtKeepsItsHistory)
{
    QSettings settings(folder.filePath("settings.ini"), QSettings::IniFormat);
    Account account(folder.path(), settings);
    EXPECT_FALSE(account.load().historyProblem);
    addDebts(account.debts(), {{"Visa", 1, 0, 1, 0}});
    PaymentHistory& kept = account.history();
    ASSERT_FALSE(kept.follow(planOf({"Planned Only"})));
    ASSERT_FALSE(kept.record({{2047, 1}, kToday, false, {paid("Visa", 5), paid("Recorded", 1)}}));
    ASSERT_TRUE(account.removeDebt("Visa") && account.save().allSaved());
    const std::pair<const char*, bool> names[] = {
        {"Planned Only", true}, {"recorded", true},       {"  RECORDED ", true},
        {"Visa", true},         {"Recorded Only", false}, {"Planned", false},
    };
    for (const auto& [name, has] : names)
        EXPECT_EQ(kept.hasHistory(name), has) << name;

    EXPECT_FALSE(kept.markApplied({2047, 2})) << "a month not recorded has nothing to mark";
    ASSERT_FALSE(kept.markApplied({2047, 1}));
    EXPECT_TRUE(kept.recorded({2047, 1})->applied);
    (void)account.load();
    EXPECT_TRUE(account.history().recorded({2047, 1})->applied);
    EXPECT_TRUE(account.history().hasHistory("visa"));
}

TEST_F(PaymentHistoryTest, ARenameReachesEveryPlanAndMonthAndIsPendingUntilFinished)
{
    ASSERT_FALSE(history->follow(planOf({"Visa", "Car"})));
    ASSERT_FALSE(history->record({{2047, 1}, kToday, false, {paid("Car", 5), paid("Visa", 7)}}));
    ASSERT_FALSE(history->record({{2047, 2}, kToday, false, {paid("Visa", 9)}}));
    QStringList expected = fields(*history);
    ASSERT_EQ(expected.filter("visa Visa").size(), 3);
    expected.replaceInStrings("visa Visa", "blue card Blue Card")
        << "renaming  VISA to  Blue Card ";
    ASSERT_FALSE(history->beginRename(" VISA", " Blue Card "));
    EXPECT_EQ(fields(*history), expected);
    history = loaded(); // a stop before the files follow: the next start finishes it
    EXPECT_EQ(fields(*history), expected);
    EXPECT_FALSE(history->hasHistory("Visa"));
    ASSERT_FALSE(history->finishRename());
    expected.removeLast();
    EXPECT_EQ(fields(*history), expected);
    EXPECT_EQ(fields(*loaded()), expected);
}

TEST_F(PaymentHistoryTest, AFileItCannotUseIsNamedAndNeverChanged)
{
    const std::pair<std::function<void()>, Kind> cases[] = {
        {[&] { makeFile(QByteArray("Visa 1200.00\n").repeated(400)); }, Kind::NotADatabase},
        // Its fourth page is an index, which only SQLite's own check reads.
        {[&] { makeFile(made().replace(3 * 4096, 512, QByteArray(512, 'Z'))); }, Kind::Damaged},
        {[&] { makeFile(made(), "PRAGMA user_version = 7"); }, Kind::NewerVersion},
        {[&] { makeFile({}, "CREATE TABLE notes (text)"); }, Kind::NotADatabase},
        {[&] {
             makeFile(made(), "INSERT INTO recorded_payment VALUES (1, 'x', 0, 'X', 0, 0, 0, 0)");
         },
         Kind::Damaged},
        {[&] { QDir().mkdir(path); }, Kind::NotAFile},
    };
    for (const auto& [make, kind] : cases) {
        QDir().rmdir(path);
        QFile::remove(path);
        make();
        const QByteArray before = readFile(path);
        SCOPED_TRACE(before.left(20).toStdString());
        LoadReport report;
        history = loaded(&report);
        ASSERT_TRUE(report.historyProblem);
        EXPECT_EQ(report.historyProblem->kind, kind);
        if (kind == Kind::NewerVersion) {
            EXPECT_EQ(report.historyProblem->detail, "7");
        }
        EXPECT_FALSE(history->isAvailable());
        EXPECT_TRUE(fields(*history).isEmpty());
        const std::optional<HistoryProblem> refused[] = {
            history->follow(planOf({"Visa"})),
            history->record({{2047, 1}, kToday, false, {paid("Visa", 1)}}),
            history->markApplied({2047, 1}), history->beginRename("Visa", "Blue"),
            history->finishRename()};
        for (const auto& problem : refused)
            EXPECT_EQ(refusal(problem), kind);
        history.reset();
        EXPECT_EQ(readFile(path), before);
        EXPECT_EQ(QFileInfo(path).isDir(), kind == Kind::NotAFile);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList({"history.db"}));
    }
}

TEST_F(PaymentHistoryTest, AChangeThatDoesNotFitChangesNothingUntilTheLimitIsLifted)
{
    ASSERT_FALSE(history->follow(planOf({"Visa"})));
    ASSERT_FALSE(history->record({{2047, 1}, kToday, false, {paid("Visa", 5)}}));
    const QStringList before = fields(*history);
    const QByteArray bytes = readFile(path);
    history->limitPages(static_cast<int>(bytes.size() / 4096));
    QStringList many;
    for (int i = 0; i < 200; ++i)
        many << QString("Store Card number %1 of the many").arg(i);
    RecordedMonth big{{2047, 1}, kToday, true, {}};
    for (const QString& name : many)
        big.payments.push_back(paid(name, 1));
    const std::optional<HistoryProblem> refused[] = {history->record(big),
                                                     history->follow(planOf(many))};
    for (const auto& problem : refused)
        EXPECT_EQ(refusal(problem), Kind::Full);
    EXPECT_EQ(fields(*history), before);
    EXPECT_EQ(readFile(path), bytes);
    history->limitPages(0);
    ASSERT_FALSE(history->record(big));
    EXPECT_EQ(history->months()[0].payments.size(), 201u);
    EXPECT_EQ(fields(*loaded()), fields(*history));
}

} // namespace
