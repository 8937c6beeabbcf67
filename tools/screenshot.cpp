// Renders the main window with sample debts, after a calculation, to a PNG
// for the README.
//   screenshot OUTPUT.png [scrolled | compare | plan | record | progress | least]
// With "scrolled" the schedule is scrolled sideways and down first, to see
// that its header rows and leading columns stay in place; with "compare" or
// "plan" the Compare Plans or the Payment Plan window is rendered instead;
// with "record" or "progress" the plan on screen is followed and four months
// of it are recorded, and Record Payments or Progress is rendered in May;
// with "least" the Visa card has a 0 % promotion through 2027 and the
// schedule is that of Least Interest.
#include "calc/recordrules.h"
#include "model/account.h"
#include "platform/appinfo.h"
#include "platform/clock.h"
#include "platform/daydate.h"
#include "platform/programlocale.h"
#include "ui/common/fonts.h"
#include "ui/common/modelinput.h"
#include "ui/common/qtprompter.h"
#include "ui/compare/comparewindow.h"
#include "ui/main/mainwindow.h"
#include "ui/plan/paymentplandialog.h"
#include "ui/progress/progresswindow.h"
#include "ui/record/recordpaymentsdialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// The day the sample's months are recorded by.
const QDate kMay(2027, 5, 10);

// Follows the plan on screen and records January to April of it as a user
// might: more than planned on the Visa card in February, March forgotten.
bool recordSampleMonths(MainWindow& window, Account& account)
{
    window.findChild<QAction*>(QStringLiteral("menuFollow"))->trigger();
    PaymentHistory& history = account.history();
    if (!history.followed())
        return false;
    const FollowedFigures followed = followedFiguresOf(*history.followed());
    for (const int month : {1, 2, 4}) {
        RecordedMonth recorded{{2027, month}, kMay, true, {}};
        for (RecordRow row : RecordRules::newRows(recorded.month, debtFiguresOf(account.debts()),
                                                  planRulesOf(account.plan()), &followed,
                                                  recordFiguresOf(history.months()), kMay)) {
            if (month == 2 && row.name == QLatin1String("Visa"))
                row.paid += 400;
            row.balanceAfter = RecordRules::balanceAfter(row.balanceBefore, row.interest, row.paid);
            recorded.payments.push_back(
                {row.key, row.name, row.balanceBefore, row.planned, row.paid, row.balanceAfter});
            DebtList& debts = account.debts();
            const int position = debts.indexOf(row.key);
            const Debt debt = debts.at(position);
            debts.update(position, row.balanceAfter, debt.rate, debt.monthly, debt.startDate);
        }
        if (history.record(recorded))
            return false;
    }
    return account.save().allSaved();
}

template <typename Window> int render(QApplication& app, Window& shown, const QString& output)
{
    shown.show();
    // A status bar that takes a second line lays the window out again.
    for (int round = 0; round < 3; ++round)
        app.processEvents();
    return shown.grab().save(output) ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        QTextStream(stderr)
            << "usage: screenshot OUTPUT.png [scrolled | compare | plan | record | progress | "
               "least]\n";
        return 2;
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Fonts::useWindowFonts();

    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    QtPrompter prompter;
    const FixedClock clock(QDate(2026, 12, 6));
    {
        Account sample(folder.path(), settings);
        const double start = DayDate::fromDate(QDate(2026, 12, 6));
        const Debt debts[] = {
            {QStringLiteral("Visa"), 2450.75, 0.1899, 65, start},
            {QStringLiteral("Car Loan"), 8200, 0.069, 245, start},
            {QStringLiteral("Store Card"), 640.2, 0.2449, 25, DayDate::fromDate(QDate(2027, 3, 1))},
            {QStringLiteral("Student Loan"), 12400, 0.045, 130, start},
            {QStringLiteral("Dentist"), 380, 0, 40, start},
            // Wider than its cell in the debt grid: shown cut, whole in its tip.
            {QStringLiteral("Mortgage"), 186500, 0.041, 1150, start},
        };
        for (const Debt& debt : debts)
            (void)sample.debts().add(debt);
        sample.setExtraMoney(150);
        if (!sample.save().allSaved())
            return 1;
    }
    Account account(folder.path(), settings);
    MainWindow window(account, prompter, clock);
    window.load();
    const QByteArray mode = argc == 3 ? QByteArray(argv[2]) : QByteArray();
    if (mode == "least") {
        PaymentPlan plan;
        plan.promotions = {{QStringLiteral("Visa"), 0, {2027, 12}}};
        account.setPlan(plan);
        window.findChild<QComboBox*>(QStringLiteral("cbomethod"))
            ->setCurrentText(QStringLiteral("Least Interest"));
    }
    window.findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->click();
    if (mode == "scrolled") {
        auto* grid = window.findChild<QTableView*>(QStringLiteral("fav"));
        grid->horizontalScrollBar()->setValue(4);
        grid->verticalScrollBar()->setValue(10);
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    if (mode == "compare") {
        CompareWindow compare(account, prompter, clock, payoffMethod(u"highest-rate"), &window,
                              std::make_unique<ImmediateRunner>(account, clock.today()));
        return render(app, compare, output);
    }
    if (mode == "record" || mode == "progress") {
        if (!recordSampleMonths(window, account))
            return 1;
        if (mode == "record") {
            RecordPaymentsDialog record(account, prompter, kMay, &window);
            return render(app, record, output);
        }
        ProgressWindow progress(
            account, prompter, kMay, [](YearMonth) {}, &window);
        return render(app, progress, output);
    }
    if (mode == "plan") {
        PaymentPlan plan;
        plan.extraMoneyChanges = {{{2027, 4}, 1500, true}, {{2027, 9}, 100, false}};
        plan.promotions = {{QStringLiteral("Store Card"), 0, {2027, 12}}};
        PaymentPlanDialog dialog(plan, account.debts(), account.extraMoney(), clock.today(),
                                 prompter, &window);
        return render(app, dialog, output);
    }
    return render(app, window, output);
}
