#include "mainwindowfixture.h"
#include "ui/about/aboutdialog.h"
#include "ui/compare/comparewindow.h"
#include "ui/entry/debtentrydialog.h"
#include "ui/help/helpwindow.h"
#include "ui/plan/paymentplandialog.h"
#include "ui/progress/progresswindow.h"
#include "ui/record/recordpaymentsdialog.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QChartView>
#include <QGroupBox>
#include <QMenuBar>
#include <QTabBar>

namespace {

// What a screen reader is told of every control the keyboard reaches, in
// every window: a name in words, as the accessibility bridge hands it on;
// and each access key of a window is one control's alone.
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
    // Access keys that a window's controls, tabs and menus share.
    static QStringList sharedKeys(QWidget& window)
    {
        QStringList texts;
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
            texts.append(button->isVisibleTo(&window) ? button->text() : QString());
        for (QLabel* label : window.findChildren<QLabel*>())
            texts.append(label->buddy() && label->isVisibleTo(&window) ? label->text() : QString());
        for (QGroupBox* box : window.findChildren<QGroupBox*>())
            texts.append(box->title());
        for (QTabBar* tabs : window.findChildren<QTabBar*>()) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                texts.append(tabs->tabText(tab));
        }
        for (QMenuBar* menus : window.findChildren<QMenuBar*>()) {
            for (QAction* menu : menus->actions())
                texts.append(menu->text());
        }
        QString keys;
        QStringList shared;
        for (const QString& text : texts) {
            const qsizetype at = text.indexOf('&');
            if (at < 0 || at + 1 >= text.size())
                continue;
            const QChar key = text.at(at + 1).toLower();
            if (keys.contains(key))
                shared.append(text);
            keys += key;
        }
        return shared;
    }
    static QStringList faults(QWidget& window) { return unnamed(window) + sharedKeys(window); }
};

TEST_F(ScreenReader, EveryControlOfEveryWindowHasANameAndAKeyOfItsOwn)
{
    startWith({{"Visa", 1000, 0.12, 100, today}, {"Amex", 300, 0, 50, today}}, 50);
    click("cmdCalculate");
    EXPECT_EQ(faults(*window), QStringList()) << "the main window";

    CompareWindow compare(account, prompter, clock, nullptr, window.get(),
                          std::make_unique<ImmediateRunner>(account, kToday));
    EXPECT_EQ(faults(compare), QStringList()) << "Compare Plans";
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
    EXPECT_EQ(faults(plan), QStringList()) << "Payment Plan";
    DebtEntryDialog entry(account, prompter, clock, window.get());
    EXPECT_EQ(faults(entry), QStringList()) << "the debt entry";
    RecordPaymentsDialog record(account, prompter, kToday, window.get());
    EXPECT_EQ(faults(record), QStringList()) << "Record Payments";
    ProgressWindow progress(
        account, prompter, kToday, [](YearMonth) {}, window.get());
    EXPECT_EQ(faults(progress), QStringList()) << "Progress";
    AboutDialog about(window.get());
    EXPECT_EQ(faults(about), QStringList()) << "About";
    HelpWindow help(HelpWindow::sectionFor("comparePlans"), window.get());
    EXPECT_EQ(faults(help), QStringList()) << "Help";
}

} // namespace
