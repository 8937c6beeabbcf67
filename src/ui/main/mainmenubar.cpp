#include "mainmenubar.h"

MainMenuBar::MainMenuBar(QWidget* parent) : QMenuBar(parent)
{
    setObjectName(QStringLiteral("menuBar"));
    QMenu* file = addMenu(QStringLiteral("&File"));
    // A command that is off says why in its tip.
    file->setToolTipsVisible(true);
    printWithDialog = item(file, "menuPrint", QStringLiteral("P&rint..."), QKeySequence::Print);
    printToDefault = item(file, "menuPrintDefault", QStringLiteral("Print to &Default Printer"));
    exportTab = item(file, "menuExport", QStringLiteral("Expor&t"));
    exportPdf = item(file, "menuExportPdf", QStringLiteral("Export PD&F..."));
    exportHistory = item(file, "menuExportHistory", QStringLiteral("Export Payment &History..."));
    file->addSeparator();
    quit = item(file, "menuQuit", QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* debts = addMenu(QStringLiteral("&Debts"));
    debts->setToolTipsVisible(true);
    addDebt = item(debts, "menuAdd", QStringLiteral("&Add..."));
    editDebt = item(debts, "menuEdit", QStringLiteral("&Edit..."));
    deleteDebt = item(debts, "menuDelete", QStringLiteral("De&lete"));
    renameDebt = item(debts, "menuRename", QStringLiteral("Re&name Debt..."));
    debts->addSeparator();
    extraMoney = item(debts, "menuExtraMoney", QStringLiteral("Extra &Money..."));
    paymentPlan = item(debts, "menuPaymentPlan", QStringLiteral("Payment &Plan..."),
                       QKeySequence(Qt::CTRL | Qt::Key_L));
    debts->addSeparator();
    recordPayments = item(debts, "menuRecord", QStringLiteral("&Record Payments..."),
                          QKeySequence(Qt::CTRL | Qt::Key_R));

    QMenu* plan = addMenu(QStringLiteral("P&lan"));
    plan->setToolTipsVisible(true);
    calculate = item(plan, "menuCalculate", QStringLiteral("&Calculate"));
    comparePlans = item(plan, "menuCompare", QStringLiteral("Compare &Plans..."),
                        QKeySequence(Qt::CTRL | Qt::Key_M));
    useAsCustomOrder = item(plan, "menuUseOrder", QStringLiteral("&Use as Custom Order"));
    plan->addSeparator();
    followPlan = item(plan, "menuFollow", QStringLiteral("&Follow This Plan"),
                      QKeySequence(Qt::CTRL | Qt::Key_B));
    progress = item(plan, "menuProgress", QStringLiteral("Pro&gress..."),
                    QKeySequence(Qt::CTRL | Qt::Key_G));

    QMenu* help = addMenu(QStringLiteral("&Help"));
    this->help = item(help, "menuHelp", QStringLiteral("Varnholt &Help"));
    // F1 opens the help from any window (see HelpKey); shown here, where
    // users look for it.
    this->help->setShortcut(QKeySequence::HelpContents);
    this->help->setShortcutContext(Qt::WidgetShortcut);
    about = item(help, "menuAbout", QStringLiteral("&About"));
}

QAction* MainMenuBar::item(QMenu* menu, const char* name, const QString& caption,
                           const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}
