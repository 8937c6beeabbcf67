#include "debtmenu.h"

#include "platform/formats.h"

DebtMenu::DebtMenu(QWidget* parent) : QMenu(QStringLiteral("Popup"), parent)
{
    setObjectName(QStringLiteral("mnupopup"));
    mnupopadd = item("mnupopadd", QStringLiteral("Add New Debt"));
    separator("mnupopsep1");
    mnupopedit = item("mnupopedit", QStringLiteral("Edit Debt"));
    mnupopdelete = item("mnupopdelete", QStringLiteral("Delete Debt"));
    separator("mnupopsep2");
    mnutoolsexcessfunds = item("mnutoolsexcessfunds", QStringLiteral("Extra Money"));
    separator("mnupopsep4");
    mnupopabout = item("mnupopabout", QStringLiteral("About... "));
    separator("mnutoolssep1");
    mnupopcancel = item("mnupopcancel", QStringLiteral("Cancel"));
}

QAction* DebtMenu::item(const char* name, const QString& caption)
{
    QAction* action = addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

void DebtMenu::separator(const char* name)
{
    addSeparator()->setObjectName(QLatin1String(name));
}

void DebtMenu::prepare(const std::optional<QString>& currentCreditor, double extraMoney)
{
    mnupopedit->setEnabled(currentCreditor.has_value());
    mnupopdelete->setEnabled(currentCreditor.has_value());
    if (currentCreditor) {
        mnupopedit->setText(QStringLiteral("Edit ") + *currentCreditor);
        mnupopdelete->setText(QStringLiteral("Delete ") + *currentCreditor);
    }
    mnutoolsexcessfunds->setText(QStringLiteral("Extra Money:   ") +
                                 Format::twoDecimals(extraMoney));
}
