#include "qtprompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

// A lone carriage return breaks a line in the program's messages, as it does
// in the system's message boxes; Qt's labels break only at line feeds.
QString withLineFeeds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

int QtPrompter::showBox(const QString& text, const QString& title,
                        QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, title, withLineFeeds(text), buttons, parent_);
    // Names in messages are the user's own text: "A<b>x" is a name, not markup.
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}

void QtPrompter::showMessage(const QString& text, const QString& title)
{
    showBox(text, title, QMessageBox::Ok);
}

bool QtPrompter::askYesNo(const QString& text, const QString& title)
{
    return showBox(text, title, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString QtPrompter::askText(const QString& prompt, const QString& title, const QString& offered)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, offered, &ok);
    return ok ? text : QString();
}

QString QtPrompter::askSaveFileName(const QString& title, const QString& offered,
                                    const QString& filter)
{
    return QFileDialog::getSaveFileName(parent_, title, offered, filter);
}

void QtPrompter::beep()
{
    QApplication::beep();
}
