#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

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

} // namespace DialogScript
