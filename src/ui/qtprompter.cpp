#include "qtprompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

void QtPrompter::showMessage(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool QtPrompter::askYesNo(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

QString QtPrompter::askText(const QString& prompt, const QString& title, const QString& offered)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, offered, &ok);
    return ok ? text : QString();
}

void QtPrompter::beep()
{
    QApplication::beep();
}
