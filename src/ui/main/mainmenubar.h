#pragma once

#include <QMenuBar>

// The main window's menus: every command of its buttons and of the debt
// grid's pop-up menu, with their shortcuts. The access keys of the menus
// leave C, P, E and X to the window's buttons.
class MainMenuBar : public QMenuBar {
    Q_OBJECT

public:
    explicit MainMenuBar(QWidget* parent = nullptr);

    QAction* printWithDialog = nullptr;
    QAction* printToDefault = nullptr;
    QAction* exportTab = nullptr;
    QAction* exportPdf = nullptr;
    QAction* exportHistory = nullptr;
    QAction* quit = nullptr;
    QAction* addDebt = nullptr;
    QAction* editDebt = nullptr;
    QAction* deleteDebt = nullptr;
    QAction* renameDebt = nullptr;
    QAction* recordPayments = nullptr;
    QAction* extraMoney = nullptr;
    QAction* paymentPlan = nullptr;
    QAction* calculate = nullptr;
    QAction* comparePlans = nullptr;
    QAction* useAsCustomOrder = nullptr;
    QAction* followPlan = nullptr;
    QAction* progress = nullptr;
    QAction* help = nullptr;
    QAction* about = nullptr;

private:
    QAction* item(QMenu* menu, const char* name, const QString& caption,
                  const QKeySequence& shortcut = {});
};
