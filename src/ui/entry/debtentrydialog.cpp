#include "debtentrydialog.h"

#include "model/account.h"
#include "platform/clock.h"
#include "platform/daydate.h"
#include "platform/formats.h"
#include "platform/prompter.h"
#include "platform/rate.h"
#include "typinglimit.h"
#include "ui/common/accountmessages.h"
#include "ui/common/controls.h"
#include "ui/common/fonts.h"
#include "ui/common/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 5130;
constexpr int kClientHeight = 2790;

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
    rateBox_->setText(Format::general(Rate::percent(debt->rate)));
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
    const DebtEntryCheck check =
        DebtEntryCheck::of({creditorBox_->text(), balanceBox_->text(), monthlyBox_->text(),
                            rateBox_->text(), startDateBox_->text()},
                           clock_.today());
    if (!check.values) {
        prompter_.showMessage(check.message);
        if (check.suggestedMonthly)
            monthlyBox_->setText(*check.suggestedMonthly);
        return;
    }
    if (store(*check.values))
        accept();
}

bool DebtEntryDialog::store(const DebtEntryCheck::Values& entries)
{
    const double startDate = DayDate::fromDate(entries.startDate);
    if (startDateBox_->text().trimmed().isEmpty())
        startDateBox_->setText(Format::typedDate(startDate));
    if (key_.isEmpty()) {
        // A name already in use (or a full list) keeps the dialog open, so
        // that the entries are not lost.
        const QString creditor = creditorBox_->text();
        if (account_.history().hasHistory(creditor)) {
            prompter_.showMessage(AccountMessages::kNameHasHistory);
            return false;
        }
        const DebtList::AddResult added = account_.debts().add(
            {creditor, entries.balance, Rate::fraction(entries.rate), entries.monthly, startDate});
        if (added != DebtList::AddResult::Added) {
            prompter_.showMessage(AccountMessages::addRefused(added, creditor));
            return false;
        }
        return true;
    }
    const int position = account_.debts().indexOf(key_);
    const Debt& stored = account_.debts().at(position);
    account_.debts().update(position, entered(balanceBox_, entries.balance, stored.balance),
                            entered(rateBox_, Rate::fraction(entries.rate), stored.rate),
                            entered(monthlyBox_, entries.monthly, stored.monthly),
                            entered(startDateBox_, startDate, stored.startDate));
    return true;
}
