#pragma once

#include <QDateEdit>
#include <optional>

// A month and its year ("Apr 2027"), stepped with the arrows as a date field
// is, and typed as a user says a month: a month's name or its start in the
// user's language ("Apr", "April") or its number ("04") changes the month
// and keeps the year shown; "April 2027" or "04/2027" sets both. What is
// typed builds up key by key, and starts again with a key that makes no
// month of it.
class MonthEdit : public QDateEdit {
    Q_OBJECT

public:
    explicit MonthEdit(QDate month, QWidget* parent = nullptr);

    // The first day of the month these words name, with the year shown where
    // they name none; none for words that name no month (yet).
    static std::optional<QDate> monthOf(const QString& typed, int shownYear, const QLocale& locale);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QString typed_;
};
