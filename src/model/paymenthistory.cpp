#include "paymenthistory.h"

#include "debtlist.h"
#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <map>

namespace {

using Kind = HistoryProblem::Kind;

// SQLite's primary result codes, which Qt hands on as the native error code.
enum SqliteCode {
    kPermission = 3,
    kBusy = 5,
    kLocked = 6,
    kReadOnly = 8,
    kIoError = 10,
    kCorrupt = 11,
    kFull = 13,
    kCantOpen = 14,
    kNotADatabase = 26,
};

// SQLite's own ceiling, which max_page_count takes as no limit.
const QString kNoPageLimit = QStringLiteral("4294967294");

// Each table is keyed so that a month, a plan's month or a debt's payments
// are found without a scan; positions keep the order the program gave.
const char* const kSchema[] = {
    R"(CREATE TABLE followed_plan (
        id INTEGER PRIMARY KEY,
        followed_on TEXT NOT NULL,
        method TEXT NOT NULL,
        extra_money REAL NOT NULL,
        payment_plan BLOB NOT NULL,
        first_paydate REAL NOT NULL))",
    R"(CREATE TABLE planned_debt (
        plan INTEGER NOT NULL REFERENCES followed_plan (id),
        position INTEGER NOT NULL,
        key TEXT NOT NULL,
        name TEXT NOT NULL,
        start_balance REAL NOT NULL,
        PRIMARY KEY (plan, position)) WITHOUT ROWID)",
    "CREATE INDEX planned_debt_by_key ON planned_debt (key)",
    R"(CREATE TABLE planned_month (
        plan INTEGER NOT NULL REFERENCES followed_plan (id),
        month INTEGER NOT NULL,
        paydate REAL NOT NULL,
        PRIMARY KEY (plan, month)) WITHOUT ROWID)",
    R"(CREATE TABLE planned_payment (
        plan INTEGER NOT NULL,
        month INTEGER NOT NULL,
        position INTEGER NOT NULL,
        payment REAL NOT NULL,
        interest REAL NOT NULL,
        balance REAL NOT NULL,
        PRIMARY KEY (plan, month, position),
        FOREIGN KEY (plan, month) REFERENCES planned_month (plan, month)) WITHOUT ROWID)",
    R"(CREATE TABLE recorded_month (
        month INTEGER PRIMARY KEY,
        recorded_on TEXT NOT NULL,
        applied INTEGER NOT NULL))",
    R"(CREATE TABLE recorded_payment (
        month INTEGER NOT NULL REFERENCES recorded_month (month),
        key TEXT NOT NULL,
        position INTEGER NOT NULL,
        name TEXT NOT NULL,
        balance_before REAL NOT NULL,
        planned REAL,
        paid REAL NOT NULL,
        balance_after REAL NOT NULL,
        PRIMARY KEY (month, key)) WITHOUT ROWID)",
    "CREATE INDEX recorded_payment_by_key ON recorded_payment (key, month)",
    R"(CREATE TABLE pending_rename (
        only INTEGER PRIMARY KEY CHECK (only = 1),
        from_name TEXT NOT NULL,
        to_name TEXT NOT NULL))",
};

HistoryProblem problemOf(const QSqlError& error, bool reading)
{
    const QString words = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case kFull:
        return {Kind::Full, words, {}};
    case kNotADatabase:
        return {Kind::NotADatabase, words, {}};
    case kCorrupt:
        return {Kind::Damaged, words, {}};
    case kPermission:
    case kBusy:
    case kLocked:
    case kReadOnly:
    case kIoError:
    case kCantOpen:
        return {Kind::NotWritable, words, {}};
    default:
        // Anything else a read trips on (a table missing, a key repeated) is
        // a file that does not hold what this program writes.
        return {reading ? Kind::Damaged : Kind::NotWritable, words, {}};
    }
}

// Qt binds a null text as SQL's NULL, which NOT NULL refuses: it is kept as
// an empty one.
QVariant text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}
QVariant bytes(const QByteArray& value)
{
    return value.isNull() ? QByteArray("") : value;
}
QVariant isoDate(const QDate& date)
{
    return text(date.toString(Qt::ISODate));
}

template <typename Month> Month* monthIn(std::vector<Month>& months, int index)
{
    const auto at = std::lower_bound(months.begin(), months.end(), index,
                                     [](const Month& m, int i) { return m.month.index() < i; });
    return at != months.end() && at->month.index() == index ? &*at : nullptr;
}

std::atomic<int> connections{0};

} // namespace

// One connection of its own, so that two histories (a test's, a window's)
// never share one; every statement is prepared once and kept.
class PaymentHistory::Database {
public:
    using Row = std::function<void(const QSqlQuery&)>;

    explicit Database(const QString& path)
        : name_(QStringLiteral("history-%1").arg(++connections)),
          db_(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_))
    {
        db_.setDatabaseName(path);
    }
    ~Database()
    {
        statements_.clear();
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
    }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // A commit is on the disk when it returns: the user was told it is kept.
    bool open(int pageLimit)
    {
        if (!db_.open()) {
            error_ = db_.lastError();
            return false;
        }
        return run(QStringLiteral("PRAGMA synchronous = FULL")) &&
               (pageLimit == 0 || limitPages(pageLimit));
    }
    bool limitPages(int pages)
    {
        return run(QStringLiteral("PRAGMA max_page_count = ") +
                   (pages > 0 ? QString::number(pages) : kNoPageLimit));
    }

    bool run(const QString& sql, const QVariantList& values = {}, const Row& row = {})
    {
        auto at = statements_.find(sql);
        if (at == statements_.end()) {
            QSqlQuery query(db_);
            query.setForwardOnly(true);
            if (!query.prepare(sql)) {
                error_ = query.lastError();
                return false;
            }
            at = statements_.emplace(sql, std::move(query)).first;
        }
        QSqlQuery& query = at->second;
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        bool ran = query.exec();
        while (ran && query.next()) {
            if (row)
                row(query);
        }
        if (query.lastError().isValid()) {
            error_ = query.lastError();
            ran = false;
        }
        query.finish();
        return ran;
    }
    // The first column of the first row; none when the statement failed.
    std::optional<QVariant> value(const QString& sql)
    {
        std::optional<QVariant> first;
        if (!run(sql, {}, [&first](const QSqlQuery& row) {
                if (!first)
                    first = row.value(0);
            }))
            return std::nullopt;
        return first.value_or(QVariant());
    }

    const QSqlError& error() const { return error_; }

    bool hasTables = false;

private:
    QString name_;
    QSqlDatabase db_;
    std::map<QString, QSqlQuery> statements_;
    QSqlError error_;
};

PaymentHistory::PaymentHistory(const QString& folder) : folder_(folder) {}

PaymentHistory::~PaymentHistory() = default;

QString PaymentHistory::path() const
{
    return joinPath(folder_, kFileName);
}

void PaymentHistory::load(LoadReport& report)
{
    const auto forget = [this] {
        database_.reset();
        plans_.clear();
        months_.clear();
        pending_.reset();
    };
    forget();
    // Told without opening it: SQLite would wait for good on a named pipe.
    if (const auto nonFile = FileProblem::ofNonFile(path(), FileProblem::Access::Read))
        unusable_ = HistoryProblem{Kind::NotAFile, {}, nonFile};
    else
        unusable_ = QFileInfo::exists(path()) ? read() : std::nullopt;
    // Closed at once: no statement of this run touches a file not as we wrote it.
    if (unusable_)
        forget();
    report.historyProblem = unusable_;
}

std::optional<HistoryProblem> PaymentHistory::read()
{
    database_ = std::make_unique<Database>(path());
    Database& database = *database_;
    const auto failed = [&database] { return problemOf(database.error(), true); };
    if (!database.open(pageLimit_))
        return failed();
    const std::optional<QVariant> version = database.value(QStringLiteral("PRAGMA user_version"));
    if (!version)
        return failed();
    const std::optional<QVariant> check = database.value(QStringLiteral("PRAGMA quick_check"));
    if (!check)
        return failed();
    if (check->toString() != QLatin1String("ok"))
        return HistoryProblem{Kind::Damaged, check->toString(), {}};
    if (version->toInt() > kVersion)
        return HistoryProblem{Kind::NewerVersion, version->toString(), {}};
    if (version->toInt() == 0) {
        // An empty file is an empty history; one with tables is another
        // program's.
        const std::optional<QVariant> tables =
            database.value(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        if (!tables)
            return failed();
        if (tables->toInt() > 0)
            return HistoryProblem{Kind::NotADatabase, {}, {}};
        return std::nullopt;
    }
    if (version->toInt() != kVersion)
        return HistoryProblem{Kind::Damaged, version->toString(), {}};
    database.hasTables = true;

    bool whole = true; // every row has the plan or month it belongs to
    const auto planOf = [this, &whole](const QSqlQuery& row) -> FollowedPlan* {
        const qint64 id = row.value(0).toLongLong();
        const auto at = std::lower_bound(plans_.begin(), plans_.end(), id,
                                         [](const FollowedPlan& p, qint64 i) { return p.id < i; });
        whole = whole && at != plans_.end() && at->id == id;
        return whole ? &*at : nullptr;
    };
    const bool read =
        database.run(QStringLiteral("SELECT id, followed_on, method, extra_money, payment_plan, "
                                    "first_paydate FROM followed_plan ORDER BY id"),
                     {},
                     [this](const QSqlQuery& row) {
                         FollowedPlan plan;
                         plan.id = row.value(0).toLongLong();
                         plan.followedOn = QDate::fromString(row.value(1).toString(), Qt::ISODate);
                         plan.method = row.value(2).toString();
                         plan.extraMoney = row.value(3).toDouble();
                         plan.paymentPlan = row.value(4).toByteArray();
                         plan.firstPaydate = row.value(5).toDouble();
                         plans_.push_back(std::move(plan));
                     }) &&
        database.run(QStringLiteral("SELECT plan, key, name, start_balance FROM planned_debt "
                                    "ORDER BY plan, position"),
                     {},
                     [&planOf](const QSqlQuery& row) {
                         if (FollowedPlan* plan = planOf(row))
                             plan->debts.push_back({row.value(1).toString(),
                                                    row.value(2).toString(),
                                                    row.value(3).toDouble()});
                     }) &&
        database.run(
            QStringLiteral("SELECT plan, month, paydate FROM planned_month ORDER BY plan, month"),
            {},
            [&planOf](const QSqlQuery& row) {
                if (FollowedPlan* plan = planOf(row))
                    plan->months.push_back(
                        {YearMonth::fromIndex(row.value(1).toInt()), row.value(2).toDouble(), {}});
            }) &&
        database.run(
            QStringLiteral("SELECT plan, month, payment, interest, balance FROM "
                           "planned_payment ORDER BY plan, month, position"),
            {},
            [&planOf, &whole](const QSqlQuery& row) {
                FollowedPlan* plan = planOf(row);
                PlannedMonth* month = plan ? monthIn(plan->months, row.value(1).toInt()) : nullptr;
                whole = whole && month;
                if (month)
                    month->debts.push_back({row.value(2).toDouble(), row.value(3).toDouble(),
                                            row.value(4).toDouble()});
            }) &&
        database.run(
            QStringLiteral("SELECT month, recorded_on, applied FROM recorded_month ORDER BY month"),
            {},
            [this](const QSqlQuery& row) {
                months_.push_back({YearMonth::fromIndex(row.value(0).toInt()),
                                   QDate::fromString(row.value(1).toString(), Qt::ISODate),
                                   row.value(2).toBool(),
                                   {}});
            }) &&
        database.run(
            QStringLiteral("SELECT month, key, name, balance_before, planned, paid, "
                           "balance_after FROM recorded_payment ORDER BY month, position"),
            {},
            [this, &whole](const QSqlQuery& row) {
                RecordedMonth* month = monthIn(months_, row.value(0).toInt());
                whole = whole && month;
                if (!month)
                    return;
                const QVariant planned = row.value(4);
                month->payments.push_back(
                    {row.value(1).toString(), row.value(2).toString(), row.value(3).toDouble(),
                     planned.isNull() ? std::nullopt : std::optional<double>(planned.toDouble()),
                     row.value(5).toDouble(), row.value(6).toDouble()});
            }) &&
        database.run(QStringLiteral("SELECT from_name, to_name FROM pending_rename"), {},
                     [this](const QSqlQuery& row) {
                         pending_ = PendingRename{row.value(0).toString(), row.value(1).toString()};
                     });
    if (!read)
        return failed();
    if (!whole)
        return HistoryProblem{Kind::Damaged, {}, {}};
    return std::nullopt;
}

std::optional<HistoryProblem>
PaymentHistory::change(const std::function<bool(Database&)>& statements)
{
    if (unusable_)
        return unusable_;
    const bool makesFile = !database_ && !QFileInfo::exists(path());
    const auto fail = [this, makesFile](const HistoryProblem& problem) {
        if (makesFile) {
            // A first write that failed leaves no file behind: none is the
            // empty history it still is.
            database_.reset();
            QFile::remove(path());
        }
        return problem;
    };
    if (!database_) {
        database_ = std::make_unique<Database>(path());
        if (!database_->open(pageLimit_)) {
            const HistoryProblem problem = problemOf(database_->error(), false);
            database_.reset();
            return fail(problem);
        }
    }
    Database& database = *database_;
    const auto makeTables = [&database] {
        for (const char* table : kSchema) {
            if (!database.run(QString::fromLatin1(table)))
                return false;
        }
        return database.run(QStringLiteral("PRAGMA user_version = %1").arg(kVersion));
    };
    // IMMEDIATE: the write lock is taken before the first statement, not
    // halfway through.
    if (database.run(QStringLiteral("BEGIN IMMEDIATE")) && (database.hasTables || makeTables()) &&
        statements(database) && database.run(QStringLiteral("COMMIT"))) {
        database.hasTables = true;
        return std::nullopt;
    }
    const HistoryProblem problem = problemOf(database.error(), false);
    database.run(QStringLiteral("ROLLBACK"));
    return fail(problem);
}

const RecordedMonth* PaymentHistory::recorded(YearMonth month) const
{
    const auto at = std::lower_bound(
        months_.begin(), months_.end(), month,
        [](const RecordedMonth& recorded, YearMonth m) { return recorded.month < m; });
    return at != months_.end() && at->month == month ? &*at : nullptr;
}

bool PaymentHistory::hasHistory(const QString& name) const
{
    const QString key = DebtList::lookupKey(name);
    const auto named = [&key](const auto& debt) { return debt.key == key; };
    return std::any_of(plans_.begin(), plans_.end(),
                       [&named](const FollowedPlan& plan) {
                           return std::any_of(plan.debts.begin(), plan.debts.end(), named);
                       }) ||
           std::any_of(months_.begin(), months_.end(), [&named](const RecordedMonth& month) {
               return std::any_of(month.payments.begin(), month.payments.end(), named);
           });
}

std::optional<HistoryProblem> PaymentHistory::follow(FollowedPlan plan)
{
    plan.id = plans_.empty() ? 1 : plans_.back().id + 1;
    for (PlannedDebt& debt : plan.debts)
        debt.key = DebtList::lookupKey(debt.key);
    const auto problem = change([&plan](Database& database) {
        if (!database.run(QStringLiteral("INSERT INTO followed_plan VALUES (?, ?, ?, ?, ?, ?)"),
                          {plan.id, isoDate(plan.followedOn), text(plan.method), plan.extraMoney,
                           bytes(plan.paymentPlan), plan.firstPaydate}))
            return false;
        for (size_t i = 0; i < plan.debts.size(); ++i) {
            const PlannedDebt& debt = plan.debts[i];
            if (!database.run(
                    QStringLiteral("INSERT INTO planned_debt VALUES (?, ?, ?, ?, ?)"),
                    {plan.id, qint64(i), text(debt.key), text(debt.name), debt.startBalance}))
                return false;
        }
        for (const PlannedMonth& month : plan.months) {
            if (!database.run(QStringLiteral("INSERT INTO planned_month VALUES (?, ?, ?)"),
                              {plan.id, month.month.index(), month.paydate}))
                return false;
            for (size_t i = 0; i < month.debts.size(); ++i) {
                const PlannedPayment& debt = month.debts[i];
                if (!database.run(
                        QStringLiteral("INSERT INTO planned_payment VALUES (?, ?, ?, ?, ?, ?)"),
                        {plan.id, month.month.index(), qint64(i), debt.payment, debt.interest,
                         debt.balance}))
                    return false;
            }
        }
        return true;
    });
    if (!problem)
        plans_.push_back(std::move(plan));
    return problem;
}

std::optional<HistoryProblem> PaymentHistory::record(RecordedMonth month)
{
    // A debt left out of the new record keeps what was recorded of it.
    RecordedMonth merged = month;
    merged.payments.clear();
    if (const RecordedMonth* before = recorded(month.month))
        merged.payments = before->payments;
    for (RecordedPayment& payment : month.payments) {
        payment.key = DebtList::lookupKey(payment.key);
        const auto same = std::find_if(
            merged.payments.begin(), merged.payments.end(),
            [&payment](const RecordedPayment& kept) { return kept.key == payment.key; });
        if (same != merged.payments.end())
            *same = payment;
        else
            merged.payments.push_back(payment);
    }
    const auto problem = change([&merged](Database& database) {
        if (!database.run(QStringLiteral("INSERT OR REPLACE INTO recorded_month VALUES (?, ?, ?)"),
                          {merged.month.index(), isoDate(merged.recordedOn), merged.applied}))
            return false;
        for (size_t i = 0; i < merged.payments.size(); ++i) {
            const RecordedPayment& payment = merged.payments[i];
            if (!database.run(QStringLiteral("INSERT OR REPLACE INTO recorded_payment VALUES "
                                             "(?, ?, ?, ?, ?, ?, ?, ?)"),
                              {merged.month.index(), text(payment.key), qint64(i),
                               text(payment.name), payment.balanceBefore,
                               payment.planned ? QVariant(*payment.planned) : QVariant(),
                               payment.paid, payment.balanceAfter}))
                return false;
        }
        return true;
    });
    if (problem)
        return problem;
    const auto at = std::lower_bound(
        months_.begin(), months_.end(), merged.month,
        [](const RecordedMonth& recorded, YearMonth m) { return recorded.month < m; });
    if (at != months_.end() && at->month == merged.month)
        *at = std::move(merged);
    else
        months_.insert(at, std::move(merged));
    return std::nullopt;
}

std::optional<HistoryProblem> PaymentHistory::markApplied(YearMonth month)
{
    const RecordedMonth* recorded = this->recorded(month);
    if (unusable_ || !recorded || recorded->applied)
        return unusable_;
    const auto problem = change([month](Database& database) {
        return database.run(QStringLiteral("UPDATE recorded_month SET applied = 1 WHERE month = ?"),
                            {month.index()});
    });
    if (!problem)
        monthIn(months_, month.index())->applied = true;
    return problem;
}

std::optional<HistoryProblem> PaymentHistory::beginRename(const QString& from, const QString& to)
{
    // Without a history there is nothing to rename, and nothing to finish.
    if (unusable_ || (plans_.empty() && months_.empty()))
        return unusable_;
    const QString before = DebtList::lookupKey(from);
    const QString key = DebtList::lookupKey(to);
    const QString name = DebtList::keyOf(to);
    std::vector<FollowedPlan> plans = plans_;
    std::vector<RecordedMonth> months = months_;
    const auto rename = [&](auto& debt) {
        if (debt.key == before) {
            debt.key = key;
            debt.name = name;
        }
    };
    for (FollowedPlan& plan : plans)
        std::for_each(plan.debts.begin(), plan.debts.end(), rename);
    for (RecordedMonth& month : months)
        std::for_each(month.payments.begin(), month.payments.end(), rename);
    const auto problem = change([&](Database& database) {
        return database.run(
                   QStringLiteral("UPDATE planned_debt SET key = ?, name = ? WHERE key = ?"),
                   {key, text(name), before}) &&
               database.run(
                   QStringLiteral("UPDATE recorded_payment SET key = ?, name = ? WHERE key = ?"),
                   {key, text(name), before}) &&
               database.run(
                   QStringLiteral("INSERT OR REPLACE INTO pending_rename VALUES (1, ?, ?)"),
                   {text(from), text(to)});
    });
    if (problem)
        return problem;
    plans_.swap(plans);
    months_.swap(months);
    pending_ = PendingRename{from, to};
    return std::nullopt;
}

std::optional<HistoryProblem> PaymentHistory::finishRename()
{
    if (unusable_ || !pending_)
        return unusable_;
    const auto problem = change([](Database& database) {
        return database.run(QStringLiteral("DELETE FROM pending_rename"));
    });
    if (!problem)
        pending_.reset();
    return problem;
}

void PaymentHistory::limitPages(int pages)
{
    pageLimit_ = pages;
    if (database_)
        database_->limitPages(pages);
}
