#pragma once

#include <QValidator>

class QLineEdit;

// Limits what can be typed into a box to a number of characters, while text
// the program put there may be longer (a debt's name read from the data
// file is 100 characters). A longer text can still be shortened.
class TypingLimit : public QValidator {
    Q_OBJECT

public:
    TypingLimit(int maxCharacters, QLineEdit* box);

    State validate(QString& input, int& position) const override;

private:
    int maxCharacters_;
    QLineEdit* box_;
};
