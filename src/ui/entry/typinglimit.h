#pragma once

#include <QValidator>

class QLineEdit;

// Limits what the user types or pastes into a box to a number of characters:
// an insertion keeps its first characters that fit, and nothing more can be
// typed into a full box. Text the program puts there (with setText) may be
// longer, such as a debt's name read from the data file, and can still be
// shortened.
class TypingLimit : public QValidator {
    Q_OBJECT

public:
    TypingLimit(int maxCharacters, QLineEdit* box);

    State validate(QString& input, int& position) const override;

private:
    int maxCharacters_;
    QLineEdit* box_;
    // The box's text before the change being validated.
    QString previous_;
};
