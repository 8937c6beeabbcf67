#pragma once

#include "platform/prompter.h"

#include <QStringList>
#include <deque>
#include <functional>

// Records every box the code under test shows and answers from a script.
// Unscripted questions are answered Yes, unscripted input boxes with Cancel.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        enum Kind { Message, Question, Input } kind;
        QString text;
        QString title;
    };

    std::vector<Shown> shown;
    std::deque<bool> yesNoAnswers;
    std::deque<QString> textAnswers;
    int beeps = 0;
    // Runs whenever a box is shown, while the caller waits for it.
    std::function<void(const Shown&)> whileShown;

    void showMessage(const QString& text, const QString& title = kAppTitle) override
    {
        record({Shown::Message, text, title});
    }
    bool askYesNo(const QString& text, const QString& title = kAppTitle) override
    {
        record({Shown::Question, text, title});
        return next(yesNoAnswers, true);
    }
    QString askText(const QString& prompt, const QString& title, const QString&) override
    {
        record({Shown::Input, prompt, title});
        return next(textAnswers, QString());
    }
    void beep() override { ++beeps; }

    QStringList messages() const
    {
        QStringList texts;
        for (const Shown& box : shown) {
            if (box.kind == Shown::Message)
                texts.append(box.text);
        }
        return texts;
    }

private:
    void record(const Shown& box)
    {
        shown.push_back(box);
        if (whileShown)
            whileShown(box);
    }
    template <typename T> static T next(std::deque<T>& answers, T fallback)
    {
        if (answers.empty())
            return fallback;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
