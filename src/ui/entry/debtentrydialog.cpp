#include "debtentrydialog.h"

#include "model/account.h"
#include "platform/clock.h"
#include "platform/codepage1252.h"
#include "platform/daydate.h"
#include "platform/formats.h"
#include "platform/localeinput.h"
#include "platform/prompter.h"
#include "typinglimit.h"
#include "ui/common/accountmessages.h"
#include "ui/common/controls.h"
#include "ui/common/fonts.h"
#include "ui/common/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <tuple>

namespace {

constexpr int kClientWidth = 5130;
constexpr int kClientHeight = 2790;
constexpr char kFirstLetter = 'A';
constexpr double kHighestRate = 100;

const QString kBalanceField = QStringLiteral("Balance");
const QString kMonthlyField = QStringLiteral("Minimum payment");
const QString kRateField = QStringLiteral("Interest rate");

QLabel* label(QWidget* parent, const char* name, const QString& caption, QRect geometry,
              Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter)
{
    return Controls::label(parent, name, caption, geometry, alignment);
}

QLineEdit* textBox(QWidget* parent, const char* name, int maxCharacters, QRect geometry)
{
    auto* box = Controls::named(new QLineEdit(parent), name);
    box->setGeometry(geometry);
    box->setFont(Fonts::fixedPitch(Fonts::kWindowPoints));
    box->setValidator(new TypingLimit(maxCharacters, box));
    return box;
}

} // namespace

DebtEntryDialog::DebtEntryDialog(Account& account, Prompter& prompter, const Clock& clock,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      account_(account), prompter_(prompter), clock_(clock)
{
    setObjectName(QStringLiteral("frmDebtEntry"));
    setWindowTitle(QStringLiteral("Debt Entry"));
    setFont(Fonts::sansSerif(Fonts::kWindowPoints));
    setFixedSize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));
    createControls();
}

void DebtEntryDialog::createControls()
{
    creditorLabel_ =
        label(this, "lblcreditor", QStringLiteral("&Creditor:"), Twips::rect(360, 240, 1095, 255));
    creditorBox_ = textBox(this, "txtCreditor", 18, Twips::rect(1560, 240, 2055, 285));
    QLabel* balance =
        label(this, "lblBalance", QStringLiteral("&Balance:"), Twips::rect(720, 720, 735, 255));
    balanceBox_ = textBox(this, "txtBalance", 10, Twips::rect(1560, 720, 1215, 285));
    QLabel* monthly = label(this, "lblMonthly", QStringLiteral("&Minimum Payment:"),
                            Twips::rect(120, 1200, 1335, 255));
    monthlyBox_ = textBox(this, "txtMonthly", 9, Twips::rect(1560, 1200, 1215, 285));
    QLabel* rate = label(this, "lblRate", QStringLiteral("&Interest Rate:"),
                         Twips::rect(360, 1680, 1095, 255));
    rateBox_ = textBox(this, "txtRate", 5, Twips::rect(1560, 1680, 735, 285));
    QLabel* date = label(this, "Label1", QStringLiteral("&Delayed Start Date:"),
                         Twips::rect(0, 2160, 1455, 255));
    startDateBox_ = textBox(this, "txtdate", 10, Twips::rect(1560, 2160, 1215, 285));
    creditorLabel_->setBuddy(creditorBox_);
    balance->setBuddy(balanceBox_);
    monthly->setBuddy(monthlyBox_);
    rate->setBuddy(rateBox_);
    date->setBuddy(startDateBox_);

    auto* ok = Controls::named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    ok->setGeometry(Twips::rect(3960, 240, 975, 375));
    ok->setDefault(true);
    auto* cancel = Controls::named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel");
    cancel->setGeometry(Twips::rect(3960, 840, 975, 375));
    connect(ok, &QPushButton::clicked, this, &DebtEntryDialog::checkAndStore);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    label(this, "Label2", QStringLiteral("%"), Twips::rect(2280, 1725, 255, 255), Qt::AlignLeft);
    auto* hint = label(this, "Label3",
                       QStringLiteral("(Optional - Used if Delaying Payments to a certain date)"),
                       Twips::rect(2880, 2160, 2055, 495), Qt::AlignLeft | Qt::AlignTop);
    hint->setWordWrap(true);
    label(this, "Label4", QStringLiteral("(Annual)"), Twips::rect(2520, 1710, 735, 255),
          Qt::AlignLeft);
    label(this, "Label5", QStringLiteral("(ex: 1/1/98)"), Twips::rect(1590, 2460, 975, 210),
          Qt::AlignLeft);

    setTabOrder(creditorBox_, balanceBox_);
    setTabOrder(balanceBox_, monthlyBox_);
    setTabOrder(monthlyBox_, rateBox_);
    setTabOrder(rateBox_, startDateBox_);
    setTabOrder(startDateBox_, ok);
    setTabOrder(ok, cancel);
}

bool DebtEntryDialog::addDebt()
{
    return showFor(QString());
}

bool DebtEntryDialog::editDebt(const QString& key)
{
    if (account_.debts().indexOf(key) < 0) {
        prompter_.showMessage(QStringLiteral("There is no debt named %1.").arg(key.trimmed()));
        return false;
    }
    return showFor(key);
}

bool DebtEntryDialog::showFor(const QString& key)
{
    key_ = key;
    filled_.clear();
    for (QLineEdit* box : {creditorBox_, balanceBox_, monthlyBox_, rateBox_, startDateBox_})
        box->clear();
    const bool editing = !key.isEmpty();
    if (editing)
        fillBoxes();
    // The name is the debt's key, so it cannot change; its access key then
    // leads to the next box, as a disabled box cannot take the focus.
    creditorBox_->setEnabled(!editing);
    creditorLabel_->setBuddy(editing ? balanceBox_ : creditorBox_);
    (editing ? balanceBox_ : creditorBox_)->setFocus();
    return exec() == QDialog::Accepted;
}

void DebtEntryDialog::fillBoxes()
{
    const Debt* debt = account_.debts().find(key_);
    creditorBox_->setText(debt->creditor);
    creditorBox_->setCursorPosition(0); // show the name, not the blanks that pad it
    balanceBox_->setText(Format::general(debt->balance));
    rateBox_->setText(Format::general(debt->rate * 100));
    monthlyBox_->setText(Format::general(debt->monthly));
    // In the order the date is read back, so that OK on an unchanged edit
    // stores the same day in every locale.
    startDateBox_->setText(Format::typedDate(debt->startDate));
    filled_.clear();
    for (QLineEdit* box : {balanceBox_, rateBox_, monthlyBox_, startDateBox_})
        filled_.insert(box, box->text());
}

double DebtEntryDialog::entered(QLineEdit* box, double typed, double stored) const
{
    // A box left as it was filled keeps the stored value: its text may round
    // the number (15 digits, a rate in percent, a date without its time).
    return filled_.value(box) == box->text() ? stored : typed;
}

void DebtEntryDialog::checkAndStore()
{
    const std::optional<Entries> entries = checkedEntries();
    if (entries && store(*entries))
        accept();
}

std::optional<double> DebtEntryDialog::numberIn(QLineEdit* box, const QString& field)
{
    const std::optional<double> value = LocaleInput::number(box->text());
    if (!value) {
        prompter_.showMessage(QStringLiteral("%1 must be a number, such as %2.")
                                  .arg(field, Format::general(1250.75)));
        return std::nullopt;
    }
    if (*value < 0) {
        prompter_.showMessage(QStringLiteral("%1 can not be negative.").arg(field));
        return std::nullopt;
    }
    return value;
}

std::optional<QDate> DebtEntryDialog::startDateIn(QLineEdit* box)
{
    // No date delays nothing: the debt is paid from the day it is entered.
    if (box->text().trimmed().isEmpty())
        return clock_.today();
    const std::optional<QDate> date = LocaleInput::date(box->text());
    if (!date)
        prompter_.showMessage(QStringLiteral("Delayed start date must be a date, such as %1.")
                                  .arg(Format::typedDate(DayDate::fromDate(clock_.today()))));
    return date;
}

std::optional<DebtEntryDialog::Entries> DebtEntryDialog::checkedEntries()
{
    const std::pair<QLineEdit*, QString> required[] = {
        {creditorBox_, QStringLiteral("Creditor must not be blank")},
        {balanceBox_, QStringLiteral("Balance must not be blank")},
        {monthlyBox_, QStringLiteral("Minimum monthly must not be blank")},
        {rateBox_, QStringLiteral("Interest Rate must not be blank")},
    };
    for (const auto& [box, message] : required) {
        if (box->text().trimmed().isEmpty()) {
            prompter_.showMessage(message);
            return std::nullopt;
        }
    }
    Entries entries;
    const std::tuple<QLineEdit*, QString, double*> numbers[] = {
        {balanceBox_, kBalanceField, &entries.balance},
        {monthlyBox_, kMonthlyField, &entries.monthly},
        {rateBox_, kRateField, &entries.rate},
    };
    for (const auto& [box, field, value] : numbers) {
        const std::optional<double> number = numberIn(box, field);
        if (!number)
            return std::nullopt;
        *value = *number;
    }

    if (entries.rate > kHighestRate) {
        prompter_.showMessage(QStringLiteral("That interest rate can not be over 100%"));
        return std::nullopt;
    }
    // The test divides twice and the message once (/ 1200); the two can
    // differ in the last digit, and both are kept as users have seen them.
    const double monthlyInterest = entries.balance * entries.rate / 100 / 12;
    if (entries.monthly < monthlyInterest) {
        prompter_.showMessage(
            QStringLiteral("The monthly minimum for this debt needs to be increased to at least ") +
            Format::general(entries.balance * entries.rate / 1200) +
            QStringLiteral(" to keep the balance from increasing."));
        monthlyBox_->setText(Format::general(monthlyInterest));
        return std::nullopt;
    }
    // Only the code of the first character is tested: lower-case letters
    // pass, digits, blanks and most punctuation do not.
    const QByteArray first = Cp1252::encode(creditorBox_->text().left(1));
    if (first.isEmpty() || static_cast<unsigned char>(first.at(0)) < kFirstLetter) {
        prompter_.showMessage(QStringLiteral("Creditor name must start with a letter"));
        return std::nullopt;
    }
    // debts.dat would store such a character as "?", and two names that
    // differ only there would become one.
    const QString missing = Cp1252::firstMissing(creditorBox_->text());
    if (!missing.isEmpty()) {
        prompter_.showMessage(QStringLiteral("Creditor name can not contain \"%1\": names are "
                                             "saved in the Western European (Windows-1252) "
                                             "character set.")
                                  .arg(missing));
        return std::nullopt;
    }
    const std::optional<QDate> startDate = startDateIn(startDateBox_);
    if (!startDate)
        return std::nullopt;
    entries.startDate = *startDate;
    return entries;
}

bool DebtEntryDialog::store(const Entries& entries)
{
    const double startDate = DayDate::fromDate(entries.startDate);
    if (startDateBox_->text().trimmed().isEmpty())
        startDateBox_->setText(Format::typedDate(startDate));
    if (key_.isEmpty()) {
        // A name already in use (or a full list) keeps the dialog open, so
        // that the entries are not lost.
        const QString creditor = creditorBox_->text();
        const DebtList::AddResult added = account_.debts().add(
            {creditor, entries.balance, entries.rate / 100, entries.monthly, startDate});
        if (added != DebtList::AddResult::Added) {
            prompter_.showMessage(AccountMessages::addRefused(added, creditor));
            return false;
        }
        return true;
    }
    const int position = account_.debts().indexOf(key_);
    const Debt& stored = account_.debts().at(position);
    account_.debts().update(position, entered(balanceBox_, entries.balance, stored.balance),
                            entered(rateBox_, entries.rate / 100, stored.rate),
                            entered(monthlyBox_, entries.monthly, stored.monthly),
                            entered(startDateBox_, startDate, stored.startDate));
    return true;
}
