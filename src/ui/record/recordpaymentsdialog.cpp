#include "recordpaymentsdialog.h"

#include "calc/monthrules.h"
#include "formtable.h"
#include "model/account.h"
#include "platform/daydate.h"
#include "platform/formats.h"
#include "platform/prompter.h"
#include "platform/typedamount.h"
#include "ui/common/amountwords.h"
#include "ui/common/controls.h"
#include "ui/common/modelinput.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Controls::named;

QString monthName(YearMonth month)
{
    return Format::monthYear(DayDate::fromDate(month.firstDay()));
}

} // namespace

RecordPaymentsDialog::RecordPaymentsDialog(const Account& account, Prompter& prompter, QDate today,
                                           QWidget* parent)
    : QDialog(parent), account_(account), prompter_(prompter), today_(today)
{
    setObjectName(QStringLiteral("recordPayments"));
    setWindowTitle(QStringLiteral("Record Payments"));
    createControls();
    const PaymentHistory& history = account_.history();
    const std::optional<FollowedFigures> followed =
        history.followed() ? std::optional(followedFiguresOf(*history.followed())) : std::nullopt;
    showMonth(RecordRules::offeredMonth(followed ? &*followed : nullptr,
                                        recordFiguresOf(history.months()), today_));
    resize(720, 420);
}

void RecordPaymentsDialog::createControls()
{
    monthField_ = named(new QDateEdit(this), "recordMonth");
    monthField_->setDisplayFormat(Format::kMonthYearPattern);
    connect(monthField_, &QDateEdit::dateChanged, this, &RecordPaymentsDialog::monthChosen);
    note_ = named(new QLabel(this), "recordNote");
    note_->setWordWrap(true);
    table_ = Controls::spoken(named(new FormTable(this), "payments"), QStringLiteral("Payments"),
                              QStringLiteral("Each debt of the month: planned, paid, balance "
                                             "after, and interest and charges"));
    table_->setModel(&rows_);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(RecordTableModel::CreditorColumn, 160);
    auto* asPlanned =
        named(new QPushButton(QStringLiteral("Paid as &Planned"), this), "paidAsPlanned");
    connect(asPlanned, &QPushButton::clicked, &rows_, &RecordTableModel::payAsPlanned);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->addButton(asPlanned, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &RecordPaymentsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Mo&nth:"), monthField_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    setTabOrder(monthField_, table_);
}

void RecordPaymentsDialog::showMonth(YearMonth month)
{
    month_ = month;
    {
        const QSignalBlocker quiet(monthField_);
        monthField_->setDate(month.firstDay());
    }
    const PaymentHistory& history = account_.history();
    const PlanRules rules = planRulesOf(account_.plan());
    const DebtArray debts = debtFiguresOf(account_.debts());
    if (const RecordedMonth* recorded = history.recorded(month)) {
        // Its values as recorded, to be corrected; the interest at today's
        // rates only weighs a balance that grew.
        std::vector<RecordRow> rows;
        for (const RecordedPayment& payment : recorded->payments) {
            RecordRow row{payment.key,     payment.name, payment.balanceBefore, 0.0,
                          payment.planned, payment.paid, payment.balanceAfter};
            for (const DebtFigures& debt : debts) {
                if (debt.key == payment.key)
                    row.interest = monthlyInterest(row.balanceBefore, rules.rateIn(debt, month));
            }
            rows.push_back(row);
        }
        rows_.setRows(rows, true);
        showNote(QStringLiteral("%1 was recorded on %2. Change what needs correcting; OK "
                                "replaces it.")
                     .arg(monthName(month),
                          Format::monthDayYear(DayDate::fromDate(recorded->recordedOn))));
        return;
    }
    const std::optional<FollowedFigures> followed =
        history.followed() ? std::optional(followedFiguresOf(*history.followed())) : std::nullopt;
    rows_.setRows(RecordRules::newRows(month, debts, rules, followed ? &*followed : nullptr,
                                       recordFiguresOf(history.months()), today_),
                  false);
    showNote(rows_.rowCount() == 0
                 ? QStringLiteral("No debt has a balance at the start of %1.").arg(monthName(month))
                 : QString());
}

void RecordPaymentsDialog::showNote(const QString& note)
{
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
}

void RecordPaymentsDialog::monthChosen()
{
    showMonth(YearMonth::of(monthField_->date()));
}

std::optional<RecordedMonth> RecordPaymentsDialog::checked()
{
    if (!RecordRules::mayRecord(month_, today_)) {
        prompter_.showMessage(QStringLiteral("%1 has not begun: no month after the current one "
                                             "can be recorded.")
                                  .arg(monthName(month_)));
        return std::nullopt;
    }
    RecordedMonth month{month_, today_, false, {}};
    bool grew = false;
    for (const RecordTableModel::Row& row : rows_.entries()) {
        const std::pair<const QString&, const char*> fields[] = {
            {row.paid, "The payment to %1"}, {row.after, "The balance after of %1"}};
        double values[2] = {};
        for (int i = 0; i < 2; ++i) {
            const QString& text = fields[i].first;
            const QString field = QString::fromLatin1(fields[i].second).arg(row.figures.name);
            const std::optional<double> amount = typedAmount(text);
            if (!amount) {
                prompter_.showMessage(AmountWords::refused(field + QStringLiteral(" must be an "
                                                                                  "amount"),
                                                           TypedAmount::example(1250.75), text));
                return std::nullopt;
            }
            if (*amount < 0) {
                prompter_.showMessage(field + QStringLiteral(" can not be negative."));
                return std::nullopt;
            }
            values[i] = *amount;
        }
        grew = grew || values[1] > row.figures.balanceBefore + 12 * row.figures.interest;
        month.payments.push_back({row.figures.key, row.figures.name, row.figures.balanceBefore,
                                  row.figures.planned, values[0], values[1]});
    }
    if (grew && !prompter_.askYesNo(QStringLiteral("The balance after is higher than before plus "
                                                   "a year's interest. Keep it?")))
        return std::nullopt;
    return month;
}

void RecordPaymentsDialog::accept()
{
    table_->setFocus(); // a field still open for typing keeps what it holds
    if (const std::optional<RecordedMonth> month = checked()) {
        recorded_ = *month;
        QDialog::accept();
    }
}
