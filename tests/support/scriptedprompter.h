#pragma once

#include "platform/prompter.h"

#include <QStringList>
#include <deque>
#include <functional>

// Records every box the code under test shows and answers from a script:
// questions then Yes, input boxes then Cancel.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        QString text;
        QString title;
    };
    std::vector<Shown> shown;
    QStringList offered; // by each input box, in turn
    std::deque<bool> yesNoAnswers;
    std::deque<QString> textAnswers;
    int beeps = 0;
    std::function<void()> whileShown; // runs while a box waits for its answer

    void showMessage(const QString& text, const QString& title) override { record(text, title); }
    bool askYesNo(const QString& text, const QString& title) override
    {
        record(text, title);
        return take(yesNoAnswers, true);
    }
    QString askText(const QString& prompt, const QString& title, const QString& text) override
    {
        offered.append(text);
        record(prompt, title);
        return take(textAnswers, QString());
    }
    QString askSaveFileName(const QString& title, const QString&, const QString& filter) override
    {
        record(filter, title);
        return take(textAnswers, QString());
    }
    void beep() override { ++beeps; }

    QStringList texts() const
    {
        QStringList all;
        for (const Shown& box : shown)
            all.append(box.text);
        return all;
    }

private:
    void record(const QString& text, const QString& title)
    {
        shown.push_back({text, title});
        if (whileShown)
            whileShown();
    }
    template <typename T> static T take(std::deque<T>& answers, T otherwise)
    {
        if (answers.empty())
            return otherwise;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
