#pragma once

#include "model/account.h"
#include "platform/clock.h"
#include "support/debts.h"
#include "support/scriptedprompter.h"
#include "support/testsupport.h"
#include "ui/main/mainwindow.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Drives a modal dialog: the script runs once the dialog is shown; a dialog
// it leaves open is closed with Cancel.
namespace DialogScript {

template <typename Dialog> void whenShown(std::function<void(Dialog&)> script, int tries = 1000)
{
    QTimer::singleShot(0, [script, tries] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ASSERT_GT(tries, 0) << "the dialog was never shown";
            whenShown<Dialog>(script, tries - 1);
            return;
        }
        script(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

inline QLineEdit* box(QWidget& dialog, const char* name)
{
    return dialog.findChild<QLineEdit*>(QLatin1String(name));
}

// Replaces a box's text as a user's paste does (typing limits apply).
inline void type(QWidget& dialog, const char* name, const QString& text)
{
    box(dialog, name)->selectAll();
    box(dialog, name)->insert(text);
}

inline void press(QWidget& dialog, const char* button)
{
    QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

// While it lives, every modal window that opens is named and closed at once,
// so that a test of a refusal fails by its own assertion, not by waiting for
// a window nobody closes.
class ModalWatch {
public:
    ModalWatch()
    {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened.append(dialog->objectName());
                dialog->reject();
            }
        });
        timer_.start();
    }
    QStringList opened;

private:
    QTimer timer_;
};

} // namespace DialogScript

// The tests' day, which a test may move on as days pass.
class TestClock : public Clock {
public:
    QDate day = kToday;
    QDate today() const override { return day; }
};

// The main window over an account in a temporary folder, on the tests' day.
class MainWindowFixture : public testing::Test {
protected:
    QTemporaryDir folder;
    QSettings settings{folder.filePath("settings.ini"), QSettings::IniFormat};
    ScriptedPrompter prompter;
    TestClock clock;
    Account account{folder.path(), settings};
    std::unique_ptr<MainWindow> window;
    const double today = DayDate::fromDate(kToday);

    // Saves these debts as the data file the window will load.
    void writeDebts(const std::vector<Debt>& debts, double extra = 0)
    {
        Account writer(folder.path(), settings);
        addDebts(writer.debts(), debts);
        writer.setExtraMoney(extra);
        ASSERT_TRUE(writer.save().allSaved());
    }
    // Saves these debts as the data file the window will load, and starts it.
    void startWith(const std::vector<Debt>& debts, double extra = 0)
    {
        writeDebts(debts, extra);
        start();
    }
    void start()
    {
        window = std::make_unique<MainWindow>(account, prompter, clock);
        window->load();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T = QWidget> T* control(const char* name) const
    {
        T* widget = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* button) const
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    bool enabled(const char* name) const { return control(name)->isEnabled(); }
    QString label(const char* name) const { return control<QLabel>(name)->text(); }
    QAbstractItemModel* debtGrid() const { return control<QTableView>("fa")->model(); }
    QAbstractItemModel* schedule() const { return control<QTableView>("fav")->model(); }
    QString cell(const QAbstractItemModel* grid, int row, int column) const
    {
        return grid->index(row, column).data().toString();
    }

    // A click as the window system delivers it, so that Qt turns a right
    // press into a context menu request as it does for a real mouse.
    void systemClick(QWidget* widget, QPoint point, Qt::MouseButton button = Qt::RightButton)
    {
        QTest::mouseClick(window->windowHandle(), button, {}, widget->mapTo(window.get(), point));
    }
};
