#include "mainwindowfixture.h"
#include "ui/about/aboutdialog.h"
#include "ui/compare/comparewindow.h"
#include "ui/entry/debtentrydialog.h"
#include "ui/help/helpwindow.h"
#include "ui/plan/paymentplandialog.h"
#include "ui/progress/progresswindow.h"
#include "ui/record/recordpaymentsdialog.h"

#include <QAccessible>
#include <QChartView>

namespace {

// What a screen reader is told of every control the keyboard reaches, in
// every window: a name in words, as the accessibility bridge hands it on.
class ScreenReader : public MainWindowFixture {
protected:
    static QStringList unnamed(QWidget& window)
    {
        QStringList found;
        for (QWidget* control : window.findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(&window) ||
                control->focusProxy())
                continue;
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
            if (!reader || reader->text(QAccessible::Name).trimmed().isEmpty())
                found.append(QString("%1 (%2)").arg(control->objectName(),
                                                    control->metaObject()->className()));
        }
        return found;
    }
};

TEST_F(ScreenReader, EveryControlOfEveryWindowHasAName)
{
    startWith({{"Visa", 1000, 0.12, 100, today}, {"Amex", 300, 0, 50, today}}, 50);
    click("cmdCalculate");
    EXPECT_EQ(unnamed(*window), QStringList()) << "the main window";

    CompareWindow compare(account, prompter, clock, nullptr, window.get(),
                          std::make_unique<ImmediateRunner>(account, kToday));
    EXPECT_EQ(unnamed(compare), QStringList()) << "Compare Plans";
    QAccessibleInterface* chart =
        QAccessible::queryAccessibleInterface(compare.findChild<QChartView*>("chart"));
    EXPECT_EQ(chart->text(QAccessible::Description),
              "Total balance month by month. Highest Interest Rate: debt-free in Jul 2047. "
              "Smallest Balance: debt-free in Jul 2047. Smallest (Balance/Monthly): debt-free "
              "in Jul 2047. Custom Order: debt-free in Jul 2047. Least Interest: debt-free in "
              "Jul 2047. Minimums only: debt-free in Nov 2047.");
    account.restore({{{"Visa", 1200, 0.10, 10, today}}, 0, {}}); // never paid off
    CompareWindow never(account, prompter, clock, nullptr, window.get(),
                        std::make_unique<ImmediateRunner>(account, kToday));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(never.findChild<QChartView*>("chart"))
                    ->text(QAccessible::Description)
                    .endsWith("Minimums only: Never."));

    PaymentPlanDialog plan(account.plan(), account.debts(), 50, kToday, prompter, window.get());
    EXPECT_EQ(unnamed(plan), QStringList()) << "Payment Plan";
    DebtEntryDialog entry(account, prompter, clock, window.get());
    EXPECT_EQ(unnamed(entry), QStringList()) << "the debt entry";
    RecordPaymentsDialog record(account, prompter, kToday, window.get());
    EXPECT_EQ(unnamed(record), QStringList()) << "Record Payments";
    ProgressWindow progress(
        account, prompter, kToday, [](YearMonth) {}, window.get());
    EXPECT_EQ(unnamed(progress), QStringList()) << "Progress";
    AboutDialog about(window.get());
    EXPECT_EQ(unnamed(about), QStringList()) << "About";
    HelpWindow help(HelpWindow::sectionFor("comparePlans"), window.get());
    EXPECT_EQ(unnamed(help), QStringList()) << "Help";
}

} // namespace
