#pragma once

#include "platform/prompter.h"

#include <QMessageBox>

// The program's boxes: QMessageBox without an icon and QInputDialog, over
// the given parent window.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void showMessage(const QString& text, const QString& title = kAppTitle) override;
    bool askYesNo(const QString& text, const QString& title = kAppTitle) override;
    QString askText(const QString& prompt, const QString& title, const QString& offered) override;
    QString askSaveFileName(const QString& title, const QString& offered,
                            const QString& filter) override;
    void beep() override;

private:
    int showBox(const QString& text, const QString& title, QMessageBox::StandardButtons buttons);

    QWidget* parent_;
};
