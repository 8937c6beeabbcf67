#pragma once

#include "model/account.h"
#include "platform/clock.h"
#include "support/scriptedprompter.h"
#include "ui/mainwindow.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The main window over an account in a temporary folder, on a fixed day.
class MainWindowFixture : public testing::Test {
protected:
    QTemporaryDir folder;
    QSettings settings{folder.filePath("settings.ini"), QSettings::IniFormat};
    ScriptedPrompter prompter;
    FixedClock clock{QDate(2026, 12, 6)};
    std::unique_ptr<Account> account = std::make_unique<Account>(prompter, folder.path(), settings);
    std::unique_ptr<MainWindow> window;

    // Saves these debts as the data file the window will load.
    void givenDebts(const std::vector<std::tuple<QString, double, double, double, double>>& debts,
                    double extra = 0)
    {
        Account writer(prompter, folder.path(), settings);
        for (const auto& [name, balance, rate, monthly, start] : debts)
            writer.debts().add({name, balance, rate, monthly, start});
        writer.setExtraMoney(extra);
        ASSERT_TRUE(writer.save());
    }

    void startWindow()
    {
        window = std::make_unique<MainWindow>(*account, prompter, clock);
        window->load();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T = QWidget> T* control(const char* name) const
    {
        T* widget = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QAbstractItemModel* debtGrid() const { return control<QTableView>("fa")->model(); }
    QAbstractItemModel* schedule() const { return control<QTableView>("fav")->model(); }
    int scheduleMonths() const { return schedule()->rowCount() - 2; }
    QString debtCell(int row, int column) const
    {
        return debtGrid()->index(row, column).data().toString();
    }
    bool enabled(const char* name) const { return control(name)->isEnabled(); }

    // A click as the window system delivers it, so that Qt turns a right
    // press into a context menu request as it does for a real mouse.
    void systemClick(QWidget* widget, QPoint point, Qt::MouseButton button = Qt::RightButton)
    {
        QTest::mouseClick(window->windowHandle(), button, {}, widget->mapTo(window.get(), point));
    }
    void systemKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }

    // Left edges of the upper block, in pixels.
    std::vector<int> upperBlockLefts() const
    {
        std::vector<int> lefts;
        for (const char* name : {"fa", "Label2", "Frame1", "Frame2", "cmdexit", "cmdprint",
                                 "cmdexport", "cmdCalculate"})
            lefts.push_back(control(name)->x());
        return lefts;
    }
};
