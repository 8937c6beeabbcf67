#pragma once

#include "model/history.h"
#include "recordtablemodel.h"

#include <QDate>
#include <QDialog>

class Account;
class FormTable;
class Prompter;
class QDateEdit;
class QLabel;

// Record Payments: what was paid on each debt in one month and what each
// owes after it, as the statements say. The month offered is the one the
// recording rules give (see RecordRules); an earlier month can be chosen to
// correct it, its recorded values shown. OK checks the entries and hands
// back the month; the caller records it.
class RecordPaymentsDialog : public QDialog {
    Q_OBJECT

public:
    RecordPaymentsDialog(const Account& account, Prompter& prompter, QDate today,
                         QWidget* parent = nullptr);

    // Shows a month other than the one offered.
    void showMonth(YearMonth month);
    // The month as entered, once OK took it.
    const RecordedMonth& recorded() const { return recorded_; }

    void accept() override;

private:
    void createControls();
    void monthChosen();
    void showNote(const QString& note);
    // The entries as a record, or none with the message shown.
    std::optional<RecordedMonth> checked();

    const Account& account_;
    Prompter& prompter_;
    QDate today_;
    YearMonth month_;
    RecordedMonth recorded_;
    RecordTableModel rows_;
    QDateEdit* monthField_ = nullptr;
    QLabel* note_ = nullptr;
    FormTable* table_ = nullptr;
};
