#include "typedamount.h"

#include <QChar>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Code points rather than UTF-16 units: some locales' digits lie outside the
// Basic Multilingual Plane.
using CodePoints = std::u32string;
using Text = std::u32string_view;

// Copying from right-to-left text brings invisible direction marks along, and
// some locales put them into their own signs (the minus in Egypt), so they
// are dropped from both before anything is compared.
bool isDirectionMark(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F;
}

CodePoints codePoints(const QString& text)
{
    CodePoints result;
    for (const char32_t c : text.toUcs4()) {
        if (!isDirectionMark(c))
            result.push_back(c);
    }
    return result;
}

// People type a blank between digit groups in every locale, with whichever
// blank their keyboard or the locale's own numbers give them.
bool isGroupBlank(char32_t c)
{
    return c == U' ' || c == 0x00A0 || c == 0x202F;
}

void trim(Text& text)
{
    while (!text.empty() && QChar::isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && QChar::isSpace(text.back()))
        text.remove_suffix(1);
}

bool startsWith(Text text, Text piece)
{
    return !piece.empty() && text.substr(0, piece.size()) == piece;
}

bool takeFront(Text& text, Text piece)
{
    if (!startsWith(text, piece))
        return false;
    text.remove_prefix(piece.size());
    trim(text);
    return true;
}

bool takeBack(Text& text, Text piece)
{
    if (piece.empty() || text.size() < piece.size() ||
        text.substr(text.size() - piece.size()) != piece)
        return false;
    text.remove_suffix(piece.size());
    trim(text);
    return true;
}

struct Symbols {
    explicit Symbols(const QLocale& locale)
        : minus(codePoints(locale.negativeSign())), plus(codePoints(locale.positiveSign())),
          currency(codePoints(locale.currencySymbol())), percent(codePoints(locale.percent())),
          group(codePoints(locale.groupSeparator())), decimal(codePoints(locale.decimalPoint()))
    {
        const CodePoints digit = codePoints(locale.zeroDigit());
        zero = digit.empty() ? U'0' : digit.front();
    }

    CodePoints minus;
    CodePoints plus;
    CodePoints currency;
    CodePoints percent;
    CodePoints group;
    CodePoints decimal;
    char32_t zero = U'0';
};

enum class Sign { None, Plus, Minus };

// The minus as the locale writes it, as a keyboard types it, or as
// typesetting and other locales write it.
Sign takeSign(Text& text, const Symbols& symbols)
{
    if (takeFront(text, symbols.minus) || takeFront(text, U"-") || takeFront(text, U"\u2212"))
        return Sign::Minus;
    if (takeFront(text, symbols.plus) || takeFront(text, U"+"))
        return Sign::Plus;
    return Sign::None;
}

// The locale's own sign may be several characters ("US$", or Arabic text);
// any one-character sign is taken as well, as people paste amounts in
// whatever currency their bank shows.
bool takeCurrency(Text& text, const Symbols& symbols, bool atFront)
{
    if (atFront ? takeFront(text, symbols.currency) : takeBack(text, symbols.currency))
        return true;
    if (text.empty())
        return false;
    const char32_t sign = atFront ? text.front() : text.back();
    if (QChar::category(sign) != QChar::Symbol_Currency)
        return false;
    const Text piece(&sign, 1);
    return atFront ? takeFront(text, piece) : takeBack(text, piece);
}

struct SignedNumber {
    Sign sign = Sign::None;
    Text number;
};

// Takes away what may stand around the number: one sign before it or after a
// currency sign in front, one currency sign before or after, and for a rate a
// percent sign at the end.
SignedNumber split(Text text, const Symbols& symbols, bool percentAllowed)
{
    SignedNumber bare;
    trim(text);
    if (percentAllowed && !takeBack(text, symbols.percent))
        takeBack(text, U"%");
    bare.sign = takeSign(text, symbols);
    const bool currencyInFront = takeCurrency(text, symbols, true);
    if (currencyInFront && bare.sign == Sign::None)
        bare.sign = takeSign(text, symbols);
    if (!currencyInFront)
        takeCurrency(text, symbols, false);
    bare.number = text;
    return bare;
}

int digitValue(char32_t c, char32_t zero)
{
    if (c >= U'0' && c <= U'9')
        return int(c - U'0');
    if (c >= zero && c <= zero + 9)
        return int(c - zero);
    return -1;
}

// Groups as people write them: the last of three digits, those between it
// and the first all of three or, as in India (1,00,000), all of two, and the
// first no longer than those. Anything else is more likely a slip than an
// amount.
bool properGroups(const std::vector<int>& sizes)
{
    if (sizes.size() == 1)
        return true;
    if (sizes.back() != 3)
        return false;
    const int middle = sizes.size() > 2 ? sizes[1] : 3;
    if (middle != 2 && middle != 3)
        return false;
    for (std::size_t i = 1; i + 1 < sizes.size(); ++i) {
        if (sizes[i] != middle)
            return false;
    }
    return sizes.front() >= 1 && sizes.front() <= middle;
}

// The number in the locale's form, as the C locale writes it ("1234.5").
std::optional<std::string> inLocaleForm(Text text, const Symbols& symbols)
{
    std::string plain;
    std::vector<int> groups{0};
    Text separator; // one kind per number: "1,000 000" is two numbers
    bool inFraction = false;
    while (!text.empty()) {
        if (!inFraction && startsWith(text, symbols.decimal)) {
            inFraction = true;
            plain += '.';
            text.remove_prefix(symbols.decimal.size());
            continue;
        }
        Text next;
        if (!inFraction && startsWith(text, symbols.group))
            next = text.substr(0, symbols.group.size());
        else if (!inFraction && isGroupBlank(text.front()))
            next = text.substr(0, 1);
        if (!next.empty()) {
            if (!separator.empty() && next != separator)
                return std::nullopt;
            separator = next;
            groups.push_back(0);
            text.remove_prefix(next.size());
            continue;
        }
        const int digit = digitValue(text.front(), symbols.zero);
        if (digit < 0)
            return std::nullopt;
        plain += char('0' + digit);
        if (!inFraction)
            ++groups.back();
        text.remove_prefix(1);
    }
    if (!properGroups(groups))
        return std::nullopt;
    return plain;
}

// The form that reads the same in every locale: ASCII digits and a period.
std::optional<std::string> inPlainForm(Text text)
{
    std::string plain;
    bool point = false;
    for (const char32_t c : text) {
        if (c == U'.' && !point)
            point = true;
        else if (c < U'0' || c > U'9')
            return std::nullopt;
        plain += char(c);
    }
    return plain;
}

std::optional<double> value(Text number, const Symbols& symbols)
{
    std::optional<std::string> plain = inLocaleForm(number, symbols);
    if (!plain)
        plain = inPlainForm(number);
    if (!plain || plain->find_first_of("0123456789") == std::string::npos)
        return std::nullopt;
    // The text is digits and at most one period by now, so the conversion
    // can only go out of range. Too large is no amount; too small to tell
    // from zero reads as zero, which is what it is to the cent.
    const double result = QLocale::c().toDouble(QString::fromStdString(*plain));
    if (!std::isfinite(result))
        return std::nullopt;
    return result;
}

} // namespace

namespace TypedAmount {

Read read(const QString& text, Form form, const QLocale& locale)
{
    const Symbols symbols(locale);
    const CodePoints typed = codePoints(text);
    const SignedNumber bare = split(typed, symbols, form.percentAllowed);
    const std::optional<double> amount = value(bare.number, symbols);
    if (!amount)
        return {};
    if (*amount == 0 || bare.sign != Sign::Minus)
        return {*amount};
    if (!form.negativeAllowed)
        return {std::nullopt, Refusal::Negative};
    return {-*amount};
}

QString example(double amount, const QLocale& locale)
{
    // A locale told to leave out groups would hide the very separator the
    // example is there to show.
    QLocale grouped = locale;
    QLocale::NumberOptions options = locale.numberOptions();
    options.setFlag(QLocale::OmitGroupSeparator, false);
    grouped.setNumberOptions(options);
    return grouped.toString(amount, 'f', QLocale::FloatingPointShortest);
}

} // namespace TypedAmount
