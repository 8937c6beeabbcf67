#pragma once

#include "appinfo.h"

#include <QString>

// Every box the program shows goes through this interface, so that tests can
// script the answers and read back what the user would have seen.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A message with an OK button only and no icon.
    virtual void showMessage(const QString& text, const QString& title = kAppTitle) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(const QString& text, const QString& title = kAppTitle) = 0;
    // An input box; returns the text in the box, or empty text on Cancel.
    virtual QString askText(const QString& prompt, const QString& title,
                            const QString& offered) = 0;
    // A file to save to, offered a name, of the type a filter names
    // ("PNG images (*.png)"); empty on Cancel. Replacing a file is asked.
    virtual QString askSaveFileName(const QString& title, const QString& offered,
                                    const QString& filter) = 0;
    virtual void beep() = 0;
};
