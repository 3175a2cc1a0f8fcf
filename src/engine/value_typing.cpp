#include "engine/value_typing.h"

#include "common/ascii_case.h"

#include "engine/decimal_number.h"

namespace worvanta::engine {

namespace {

constexpr int kMaxCurrencyDecimals = 4;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

}  // namespace

ValueTyper::ValueTyper(const RegionalSettings& settings) : settings_(settings), dateTime_(settings)
{
    // First characters with which a number, a truth word or a date can begin.
    for (char c = '0'; c <= '9'; ++c)
        mayStartValue_[static_cast<unsigned char>(c)] = true;
    for (const char c : {'+', '-', 't', 'T', 'f', 'F'})
        mayStartValue_[static_cast<unsigned char>(c)] = true;
    if (!settings_.decimalSeparator.empty())
        mayStartValue_[static_cast<unsigned char>(settings_.decimalSeparator[0])] = true;
}

std::string_view ValueTyper::cellText(std::string_view field, std::string& scratch, bool mayHoldMarker) const
{
    const char first = field.front();
    if (first == 'e' || first == 'E')
        return field;
    const bool mayBeAmount = mayHoldMarker && !settings_.currencySymbol.empty() &&
                             field.find(settings_.currencySymbol) != std::string_view::npos;
    const bool mayBeValue = mayStartValue_[static_cast<unsigned char>(first)];
    if (!mayBeAmount && !mayBeValue)
        return field;
    if (field.find('"') != std::string_view::npos ||
        (mayHoldMarker && field.find('=') != std::string_view::npos))
        return field;

    scratch.clear();
    if (mayBeAmount && typeCurrency(field, scratch))
        return scratch;
    if (!mayBeValue)
        return field;
    if (typeNumber(field, scratch))
        return scratch;
    if (equalsIgnoringAsciiCase(field, "true"))
        return "TRUE";
    if (equalsIgnoringAsciiCase(field, "false"))
        return "FALSE";
    DateTimeValue value;
    if (isDigit(first) && dateTime_.read(field, value)) {
        dateTime_.append(value, scratch);
        return scratch;
    }
    return field;
}

bool ValueTyper::typeNumber(std::string_view field, std::string& out) const
{
    DecimalNumber number;
    if (!readDecimal(field, {settings_.decimalSeparator, true, true}, number))
        return false;
    appendGeneral(number, settings_.decimalSeparator, out);
    return true;
}

// Keeps thousands separators only where they split the whole part into groups
// of three digits, so that "1.5 RON" is not read as fifteen.
bool ValueTyper::removeThousandsSeparators(std::string_view amount, std::string& digits) const
{
    const std::string_view separator = settings_.thousandsSeparator;
    digits.clear();
    if (separator.empty() || amount.find(separator) == std::string_view::npos) {
        digits.assign(amount);
        return true;
    }
    std::size_t wholeEnd = settings_.decimalSeparator.empty() ? std::string_view::npos
                                                              : amount.find(settings_.decimalSeparator);
    if (wholeEnd == std::string_view::npos)
        wholeEnd = amount.size();
    std::size_t at = 0;
    if (at < wholeEnd && (amount[at] == '-' || amount[at] == '+'))
        digits.push_back(amount[at++]);
    std::size_t group = 0;
    bool sawSeparator = false;
    while (at < wholeEnd) {
        if (isDigit(amount[at])) {
            digits.push_back(amount[at++]);
            ++group;
        } else if (amount.substr(at, separator.size()) == separator) {
            if (group == 0 || group > 3 || (sawSeparator && group != 3))
                return false;
            sawSeparator = true;
            group = 0;
            at += separator.size();
        } else {
            return false;
        }
    }
    if (sawSeparator && group != 3)
        return false;
    const std::string_view fraction = amount.substr(wholeEnd);
    if (fraction.find(separator, settings_.decimalSeparator.size()) != std::string_view::npos)
        return false;
    digits.append(fraction);
    return true;
}

bool ValueTyper::typeCurrency(std::string_view field, std::string& out) const
{
    const std::string_view symbol = settings_.currencySymbol;
    const std::size_t at = field.find(symbol);
    std::string withoutSymbol;
    withoutSymbol.reserve(field.size());
    withoutSymbol.append(field.substr(0, at));
    withoutSymbol.append(field.substr(at + symbol.size()));
    std::string_view amount = trimSpaces(withoutSymbol);
    bool negative = false;
    if (amount.size() >= 2 && amount.front() == '(' && amount.back() == ')') {
        negative = true;
        amount = trimSpaces(amount.substr(1, amount.size() - 2));
    }
    std::string digits;
    if (!removeThousandsSeparators(amount, digits))
        return false;
    DecimalNumber number;
    if (!readDecimal(digits, {settings_.decimalSeparator, !negative, false}, number))
        return false;
    if (number.decimals() > kMaxCurrencyDecimals)
        return false;
    if (negative && number.digitCount > 0)
        number.negative = true;
    appendGeneral(number, settings_.decimalSeparator, out);
    return true;
}

}  // namespace worvanta::engine
