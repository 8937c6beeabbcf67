#include "frmdebtentry.h"

#include "controls.h"
#include "fonts.h"
#include "model/clsaccount.h"
#include "platform/clock.h"
#include "platform/codepage1252.h"
#include "platform/daydate.h"
#include "platform/formats.h"
#include "platform/localeinput.h"
#include "platform/prompter.h"
#include "twips.h"
#include "typinglimit.h"

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
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setFont(Fonts::fixedPitch(Fonts::kWindowPoints));
    box->setValidator(new TypingLimit(maxCharacters, box));
    return box;
}

} // namespace

frmDebtEntry::frmDebtEntry(clsAccount& account, Prompter& prompter, const Clock& clock,
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

void frmDebtEntry::createControls()
{
    QLabel* creditor =
        label(this, "lblcreditor", QStringLiteral("&Creditor:"), Twips::rect(360, 240, 1095, 255));
    txtCreditor_ = textBox(this, "txtCreditor", 18, Twips::rect(1560, 240, 2055, 285));
    QLabel* balance =
        label(this, "lblBalance", QStringLiteral("&Balance:"), Twips::rect(720, 720, 735, 255));
    txtBalance_ = textBox(this, "txtBalance", 10, Twips::rect(1560, 720, 1215, 285));
    QLabel* monthly = label(this, "lblMonthly", QStringLiteral("&Minimum Payment:"),
                            Twips::rect(120, 1200, 1335, 255));
    txtMonthly_ = textBox(this, "txtMonthly", 9, Twips::rect(1560, 1200, 1215, 285));
    QLabel* rate = label(this, "lblRate", QStringLiteral("&Interest Rate:"),
                         Twips::rect(360, 1680, 1095, 255));
    txtRate_ = textBox(this, "txtRate", 5, Twips::rect(1560, 1680, 735, 285));
    QLabel* date = label(this, "Label1", QStringLiteral("&Delayed Start Date:"),
                         Twips::rect(0, 2160, 1455, 255));
    txtdate_ = textBox(this, "txtdate", 10, Twips::rect(1560, 2160, 1215, 285));
    creditor->setBuddy(txtCreditor_);
    balance->setBuddy(txtBalance_);
    monthly->setBuddy(txtMonthly_);
    rate->setBuddy(txtRate_);
    date->setBuddy(txtdate_);

    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(Twips::rect(3960, 240, 975, 375));
    cmdOK_->setDefault(true);
    cmdCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setGeometry(Twips::rect(3960, 840, 975, 375));
    connect(cmdOK_, &QPushButton::clicked, this, &frmDebtEntry::cmdOK_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);

    label(this, "Label2", QStringLiteral("%"), Twips::rect(2280, 1725, 255, 255), Qt::AlignLeft);
    auto* hint = label(this, "Label3",
                       QStringLiteral("(Optional - Used if Delaying Payments to a certain date)"),
                       Twips::rect(2880, 2160, 2055, 495), Qt::AlignLeft | Qt::AlignTop);
    hint->setWordWrap(true);
    label(this, "Label4", QStringLiteral("(Annual)"), Twips::rect(2520, 1710, 735, 255),
          Qt::AlignLeft);
    label(this, "Label5", QStringLiteral("(ex: 1/1/98)"), Twips::rect(1590, 2460, 975, 210),
          Qt::AlignLeft);

    setTabOrder(txtCreditor_, txtBalance_);
    setTabOrder(txtBalance_, txtMonthly_);
    setTabOrder(txtMonthly_, txtRate_);
    setTabOrder(txtRate_, txtdate_);
    setTabOrder(txtdate_, cmdOK_);
    setTabOrder(cmdOK_, cmdCancel_);
}

bool frmDebtEntry::Display(const QString& key)
{
    key_ = key;
    result_ = false;
    if (!key_.isEmpty() && !account_.Debts().Item(key_)) {
        prompter_.showMessage(QStringLiteral("There is no debt named %1.").arg(key_.trimmed()));
        return false;
    }
    open(key);
    exec();
    return result_;
}

void frmDebtEntry::open(const QString& key)
{
    for (QLineEdit* box : {txtCreditor_, txtBalance_, txtMonthly_, txtRate_, txtdate_})
        box->clear();
    txtCreditor_->setEnabled(true);
    if (!key.isEmpty()) {
        LoadData();
        // The name is the debt's key, so it cannot change.
        txtCreditor_->setEnabled(false);
    }
    (key.isEmpty() ? txtCreditor_ : txtBalance_)->setFocus();
}

void frmDebtEntry::LoadData()
{
    const auto debt = account_.Debts().Item(key_);
    if (!debt)
        return;
    txtCreditor_->setText(debt->Creditor);
    txtCreditor_->setCursorPosition(0); // show the name, not the blanks that pad it
    txtBalance_->setText(Format::general(debt->Balance));
    txtRate_->setText(Format::general(debt->Rate * 100));
    txtMonthly_->setText(Format::general(debt->Monthly));
    txtdate_->setText(Format::monthDayYear(debt->StartDate));
}

void frmDebtEntry::cmdOK_Click()
{
    const std::optional<Entries> entries = checkedEntries();
    if (!entries)
        return;
    if (SaveData(*entries)) {
        result_ = true;
        accept();
    }
}

std::optional<double> frmDebtEntry::numberIn(QLineEdit* box, const QString& field)
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

std::optional<frmDebtEntry::Entries> frmDebtEntry::checkedEntries()
{
    const std::pair<QLineEdit*, QString> required[] = {
        {txtCreditor_, QStringLiteral("Creditor must not be blank")},
        {txtBalance_, QStringLiteral("Balance must not be blank")},
        {txtMonthly_, QStringLiteral("Minimum monthly must not be blank")},
        {txtRate_, QStringLiteral("Interest Rate must not be blank")},
    };
    for (const auto& [box, message] : required) {
        if (box->text().trimmed().isEmpty()) {
            prompter_.showMessage(message);
            return std::nullopt;
        }
    }
    Entries entries;
    const std::tuple<QLineEdit*, QString, double*> numbers[] = {
        {txtBalance_, kBalanceField, &entries.balance},
        {txtMonthly_, kMonthlyField, &entries.monthly},
        {txtRate_, kRateField, &entries.rate},
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
    const double monthlyInterest = entries.balance * entries.rate / 100 / 12;
    if (entries.monthly < monthlyInterest) {
        prompter_.showMessage(
            QStringLiteral("The monthly minimum for this debt needs to be increased to at least ") +
            Format::general(entries.balance * entries.rate / 1200) +
            QStringLiteral(" to keep the balance from increasing."));
        txtMonthly_->setText(Format::general(monthlyInterest));
        return std::nullopt;
    }
    // Only the code of the first character is tested: lower-case letters
    // pass, digits, blanks and most punctuation do not.
    const QByteArray first = Cp1252::encode(txtCreditor_->text().left(1));
    if (first.isEmpty() || static_cast<unsigned char>(first.at(0)) < kFirstLetter) {
        prompter_.showMessage(QStringLiteral("Creditor name must start with a letter"));
        return std::nullopt;
    }

    if (txtdate_->text().trimmed().isEmpty()) {
        entries.startDate = clock_.today();
    } else {
        const std::optional<QDate> date = LocaleInput::date(txtdate_->text());
        if (!date) {
            prompter_.showMessage(
                QStringLiteral("Delayed start date must be a date, such as %1.")
                    .arg(QLocale().toString(clock_.today(), QLocale::ShortFormat)));
            return std::nullopt;
        }
        entries.startDate = *date;
    }
    return entries;
}

bool frmDebtEntry::SaveData(const Entries& entries)
{
    if (txtdate_->text().trimmed().isEmpty())
        txtdate_->setText(QLocale().toString(entries.startDate, QLocale::ShortFormat));
    const double startDate = DayDate::fromDate(entries.startDate);
    if (key_.isEmpty()) {
        // A name already in use (or a full list) is reported by Add; the
        // dialog stays open so that the entries are not lost.
        return account_.Debts().Add(txtCreditor_->text(), entries.balance, entries.rate / 100,
                                    entries.monthly, startDate) != nullptr;
    }
    const auto debt = account_.Debts().Item(key_);
    if (!debt)
        return false;
    debt->Balance = entries.balance;
    debt->Rate = entries.rate / 100;
    debt->Monthly = entries.monthly;
    debt->StartDate = startDate;
    return true;
}
