#include "debtmenu.h"

#include "platform/formats.h"

DebtMenu::DebtMenu(QWidget* parent) : QMenu(QStringLiteral("Popup"), parent)
{
    setObjectName(QStringLiteral("mnupopup"));
    addItem = item("mnupopadd", QStringLiteral("Add New Debt"));
    separator("mnupopsep1");
    editItem = item("mnupopedit", QStringLiteral("Edit Debt"));
    deleteItem = item("mnupopdelete", QStringLiteral("Delete Debt"));
    renameItem = item("mnupoprename", QStringLiteral("Rename Debt..."));
    separator("mnupopsep2");
    extraMoneyItem = item("mnutoolsexcessfunds", QStringLiteral("Extra Money"));
    recordItem = item("mnupoprecord", QStringLiteral("Record Payments..."));
    separator("mnucomparesep");
    compareItem = item("mnucompare", QStringLiteral("Compare Plans..."));
    planItem = item("mnuplan", QStringLiteral("Payment Plan..."));
    separator("mnupopsep4");
    aboutItem = item("mnupopabout", QStringLiteral("About... "));
    separator("mnutoolssep1");
    cancelItem = item("mnupopcancel", QStringLiteral("Cancel"));
}

QAction* DebtMenu::item(const char* name, const QString& caption)
{
    QAction* action = addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

void DebtMenu::showShortcuts(std::initializer_list<std::pair<QAction*, const QAction*>> items)
{
    for (const auto& [item, carrier] : items)
        item->setText(item->text() + QLatin1Char('\t') +
                      carrier->shortcut().toString(QKeySequence::NativeText));
}

void DebtMenu::separator(const char* name)
{
    addSeparator()->setObjectName(QLatin1String(name));
}

void DebtMenu::prepare(const std::optional<QString>& currentCreditor, double extraMoney)
{
    for (QAction* item : {editItem, deleteItem, renameItem})
        item->setEnabled(currentCreditor.has_value());
    if (currentCreditor) {
        editItem->setText(QStringLiteral("Edit ") + *currentCreditor);
        deleteItem->setText(QStringLiteral("Delete ") + *currentCreditor);
    }
    // Three blanks after the colon, as the item has always read.
    extraMoneyItem->setText(QStringLiteral("Extra Money:   ") + Format::twoDecimals(extraMoney));
}
