// Renders the main window with sample debts, after a calculation, to a PNG
// for the README.
//   screenshot OUTPUT.png [scrolled | compare | plan]
// With "scrolled" the schedule is scrolled sideways and down first, to see
// that its header rows and leading columns stay in place; with "compare" or
// "plan" the Compare Plans or the Payment Plan window is rendered instead.
#include "model/account.h"
#include "platform/appinfo.h"
#include "platform/clock.h"
#include "platform/daydate.h"
#include "platform/programlocale.h"
#include "ui/common/fonts.h"
#include "ui/common/qtprompter.h"
#include "ui/compare/comparewindow.h"
#include "ui/main/mainwindow.h"
#include "ui/plan/paymentplandialog.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        QTextStream(stderr) << "usage: screenshot OUTPUT.png [scrolled | compare | plan]\n";
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
    window.findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->click();
    if (argc == 3 && qstrcmp(argv[2], "scrolled") == 0) {
        auto* grid = window.findChild<QTableView*>(QStringLiteral("fav"));
        grid->horizontalScrollBar()->setValue(4);
        grid->verticalScrollBar()->setValue(10);
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    if (argc == 3 && qstrcmp(argv[2], "compare") == 0) {
        CompareWindow compare(account, prompter, clock, payoffMethod(u"highest-rate"), &window,
                              std::make_unique<ImmediateRunner>(account, clock.today()));
        compare.show();
        app.processEvents();
        return compare.grab().save(output) ? 0 : 1;
    }
    if (argc == 3 && qstrcmp(argv[2], "plan") == 0) {
        PaymentPlan plan;
        plan.extraMoneyChanges = {{{2027, 4}, 1500, true}, {{2027, 9}, 100, false}};
        plan.promotions = {{QStringLiteral("Store Card"), 0, {2027, 12}}};
        PaymentPlanDialog dialog(plan, account.debts(), account.extraMoney(), clock.today(),
                                 prompter, &window);
        dialog.show();
        app.processEvents();
        return dialog.grab().save(output) ? 0 : 1;
    }
    app.processEvents();
    return window.grab().save(output) ? 0 : 1;
}
