#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

// Drives a modal dialog: the script runs once the dialog is shown and must
// leave it closed (by OK or Cancel) or the dialog closes with Cancel.
namespace DialogScript {

template <typename Dialog> void whenShown(std::function<void(Dialog&)> script)
{
    QTimer::singleShot(0, [script] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        script(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

inline QLineEdit* box(QWidget& dialog, const char* name)
{
    return dialog.findChild<QLineEdit*>(QLatin1String(name));
}

// Replaces a box's text by typing, as a user would (typing limits apply).
inline void type(QWidget& dialog, const char* name, const QString& text)
{
    QLineEdit* target = box(dialog, name);
    target->selectAll();
    QTest::keyClick(target, Qt::Key_Delete);
    QTest::keyClicks(target, text);
}

inline void press(QWidget& dialog, const char* button)
{
    QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

} // namespace DialogScript
