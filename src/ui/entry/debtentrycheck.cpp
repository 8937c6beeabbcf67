#include "debtentrycheck.h"

#include "platform/codepage1252.h"
#include "platform/daydate.h"
#include "platform/formats.h"
#include "platform/localeinput.h"
#include "platform/rate.h"
#include "platform/typedamount.h"
#include "ui/common/amountwords.h"

namespace {

constexpr char kFirstLetter = 'A';

DebtEntryCheck refused(const QString& message)
{
    DebtEntryCheck check;
    check.message = message;
    return check;
}

// A number box: no number, or a negative one, is refused with its field's name.
std::optional<double> numberIn(const QString& text, const QString& field, bool rate,
                               QString& message)
{
    // The sign is the dialog's own check, after the number's.
    const TypedAmount::Read typed = TypedAmount::read(text, TypedAmount::Form{true, rate});
    if (!typed.amount) {
        message = AmountWords::refused(QStringLiteral("%1 must be a number").arg(field),
                                       TypedAmount::example(1250.75), text);
        return std::nullopt;
    }
    if (*typed.amount < 0) {
        message = QStringLiteral("%1 can not be negative.").arg(field);
        return std::nullopt;
    }
    return typed.amount;
}

// The checks of the name that follow those of the numbers.
QString nameChecks(const QString& creditor)
{
    // Only the code of the first character is tested: lower-case letters
    // pass, digits, blanks and most punctuation do not.
    const QByteArray first = Cp1252::encode(creditor.left(1));
    if (first.isEmpty() || static_cast<unsigned char>(first.at(0)) < kFirstLetter)
        return QStringLiteral("Creditor name must start with a letter");
    // debts.dat would store such a character as "?", and two names that
    // differ only there would become one.
    const QString missing = Cp1252::firstMissing(creditor);
    if (!missing.isEmpty())
        return QStringLiteral("Creditor name can not contain \"%1\": names are saved in the "
                              "Western European (Windows-1252) character set.")
            .arg(missing);
    return {};
}

const QString kBlankCreditor = QStringLiteral("Creditor must not be blank");

} // namespace

QString DebtEntryCheck::nameRefusal(const QString& creditor)
{
    return creditor.trimmed().isEmpty() ? kBlankCreditor : nameChecks(creditor);
}

DebtEntryCheck DebtEntryCheck::of(const DebtEntryTexts& texts, QDate today)
{
    const std::pair<const QString*, QString> required[] = {
        {&texts.creditor, kBlankCreditor},
        {&texts.balance, QStringLiteral("Balance must not be blank")},
        {&texts.monthly, QStringLiteral("Minimum monthly must not be blank")},
        {&texts.rate, QStringLiteral("Interest Rate must not be blank")},
    };
    for (const auto& [text, message] : required) {
        if (text->trimmed().isEmpty())
            return refused(message);
    }
    Values values;
    const std::tuple<const QString&, QString, bool, double&> numbers[] = {
        {texts.balance, QStringLiteral("Balance"), false, values.balance},
        {texts.monthly, QStringLiteral("Minimum payment"), false, values.monthly},
        {texts.rate, QStringLiteral("Interest rate"), true, values.rate},
    };
    for (const auto& [text, field, rate, value] : numbers) {
        QString message;
        const std::optional<double> number = numberIn(text, field, rate, message);
        if (!number)
            return refused(message);
        value = *number;
    }

    if (values.rate > Rate::kHighestPercent)
        return refused(QStringLiteral("That interest rate can not be over 100%"));
    // The test divides twice and the message once (/ 1200); the two can
    // differ in the last digit, and both are kept as users have seen them.
    const double monthlyInterest = values.balance * values.rate / 100 / 12;
    if (values.monthly < monthlyInterest) {
        DebtEntryCheck check = refused(
            QStringLiteral("The monthly minimum for this debt needs to be increased to at least ") +
            Format::general(values.balance * values.rate / 1200) +
            QStringLiteral(" to keep the balance from increasing."));
        check.suggestedMonthly = Format::general(monthlyInterest);
        return check;
    }
    if (const QString name = nameChecks(texts.creditor); !name.isEmpty())
        return refused(name);
    // No date delays nothing: the debt is paid from the day it is entered.
    if (texts.startDate.trimmed().isEmpty()) {
        values.startDate = today;
    } else if (const std::optional<QDate> date = LocaleInput::date(texts.startDate)) {
        values.startDate = *date;
    } else {
        // A day after the 12th, which no reader can take for a month.
        const QDate example = today.day() > 12 ? today : QDate(today.year(), today.month(), 28);
        return refused(QStringLiteral("Delayed start date must be a date, such as %1.")
                           .arg(Format::typedDate(DayDate::fromDate(example))));
    }
    DebtEntryCheck check;
    check.values = values;
    return check;
}
