#include "mainmenubar.h"

MainMenuBar::MainMenuBar(QWidget* parent) : QMenuBar(parent)
{
    setObjectName(QStringLiteral("menuBar"));
    QMenu* file = addMenu(QStringLiteral("&File"));
    printWithDialog = item(file, "menuPrint", QStringLiteral("P&rint..."), QKeySequence::Print);
    printToDefault = item(file, "menuPrintDefault", QStringLiteral("Print to &Default Printer"));
    exportTab = item(file, "menuExport", QStringLiteral("Expor&t"));
    exportPdf = item(file, "menuExportPdf", QStringLiteral("Export P&DF..."));
    file->addSeparator();
    quit = item(file, "menuQuit", QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* debts = addMenu(QStringLiteral("&Debts"));
    addDebt = item(debts, "menuAdd", QStringLiteral("&Add..."));
    editDebt = item(debts, "menuEdit", QStringLiteral("&Edit..."));
    deleteDebt = item(debts, "menuDelete", QStringLiteral("De&lete"));
    debts->addSeparator();
    extraMoney = item(debts, "menuExtraMoney", QStringLiteral("Extra &Money..."));
    paymentPlan = item(debts, "menuPaymentPlan", QStringLiteral("Payment &Plan..."),
                       QKeySequence(Qt::CTRL | Qt::Key_L));

    QMenu* plan = addMenu(QStringLiteral("P&lan"));
    calculate = item(plan, "menuCalculate", QStringLiteral("&Calculate"));
    comparePlans = item(plan, "menuCompare", QStringLiteral("Compare &Plans..."),
                        QKeySequence(Qt::CTRL | Qt::Key_M));

    QMenu* help = addMenu(QStringLiteral("&Help"));
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
