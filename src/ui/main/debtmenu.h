#pragma once

#include <QMenu>
#include <initializer_list>
#include <optional>
#include <utility>

// The debt grid's pop-up menu. Its edit, delete and extra-money items carry
// the debt and the figure they act on, set each time the menu opens, and keep
// them until the next opening.
class DebtMenu : public QMenu {
    Q_OBJECT

public:
    explicit DebtMenu(QWidget* parent = nullptr);

    // Before opening: the current debt's name (none when there are no
    // debts, which leaves edit and delete disabled with their old captions)
    // and the extra money.
    void prepare(const std::optional<QString>& currentCreditor, double extraMoney);
    // Shows beside each item the shortcut of the menu bar's action that does
    // the same; the menu bar's actions carry the shortcuts, this menu only
    // shows them.
    void showShortcuts(std::initializer_list<std::pair<QAction*, const QAction*>> items);

    QAction* addItem = nullptr;
    QAction* editItem = nullptr;
    QAction* deleteItem = nullptr;
    QAction* extraMoneyItem = nullptr;
    QAction* renameItem = nullptr;
    QAction* recordItem = nullptr;
    QAction* compareItem = nullptr;
    QAction* planItem = nullptr;
    QAction* aboutItem = nullptr;
    QAction* cancelItem = nullptr;

private:
    QAction* item(const char* name, const QString& caption);
    void separator(const char* name);
};
