#include "engine/decimal_number.h"

namespace worvanta::engine {

namespace {

constexpr int kMaxDigits = 15;
constexpr int kMaxExponent = 307;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

bool readDecimal(std::string_view text, const DecimalSyntax& syntax, DecimalNumber& number)
{
    number = DecimalNumber{};
    std::size_t at = 0;
    const std::size_t size = text.size();
    if (syntax.sign && at < size && (text[at] == '+' || text[at] == '-')) {
        number.negative = text[at] == '-';
        ++at;
    }

    // Mantissa: significant digits from the first non-zero one to the last.
    int integerDigits = 0;
    int mantissaDigits = 0;
    int firstSignificant = -1;  // position among mantissa digits
    int lastNonZero = -1;
    bool inFraction = false;
    while (at < size) {
        const char c = text[at];
        if (isDigit(c)) {
            if (c != '0') {
                if (firstSignificant < 0)
                    firstSignificant = mantissaDigits;
                if (mantissaDigits - firstSignificant >= kMaxDigits)
                    return false;
                lastNonZero = mantissaDigits;
            }
            if (firstSignificant >= 0 && mantissaDigits - firstSignificant < kMaxDigits)
                number.digits[mantissaDigits - firstSignificant] = c;
            ++mantissaDigits;
            if (!inFraction)
                ++integerDigits;
            ++at;
        } else if (!inFraction && !syntax.decimalSeparator.empty() && c == syntax.decimalSeparator[0] &&
                   text.substr(at, syntax.decimalSeparator.size()) == syntax.decimalSeparator) {
            inFraction = true;
            at += syntax.decimalSeparator.size();
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return false;

    long exponent = 0;
    if (syntax.exponent && at < size && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        bool negativeExponent = false;
        if (at < size && (text[at] == '+' || text[at] == '-')) {
            negativeExponent = text[at] == '-';
            ++at;
        }
        const std::size_t exponentStart = at;
        while (at < size && isDigit(text[at])) {
            if (exponent < 100000)
                exponent = exponent * 10 + (text[at] - '0');
            ++at;
        }
        if (at == exponentStart)
            return false;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (at != size)
        return false;

    if (firstSignificant < 0) {
        number.negative = false;  // zero has no sign
        return true;
    }
    number.digitCount = lastNonZero - firstSignificant + 1;
    const long scale = static_cast<long>(integerDigits) - 1 - firstSignificant + exponent;
    if (scale > kMaxExponent || scale < -kMaxExponent)
        return false;
    number.exponent = static_cast<int>(scale);
    return true;
}

void appendGeneral(const DecimalNumber& number, std::string_view decimalSeparator, std::string& out)
{
    if (number.digitCount == 0) {
        out.push_back('0');
        return;
    }
    if (number.negative)
        out.push_back('-');
    const int count = number.digitCount;
    const int exponent = number.exponent;
    if (exponent >= kMaxDigits || exponent < -5) {
        out.push_back(number.digits[0]);
        if (count > 1) {
            out.append(decimalSeparator);
            out.append(number.digits + 1, static_cast<std::size_t>(count - 1));
        }
        out.push_back('E');
        out.append(std::to_string(exponent));
        return;
    }
    if (exponent >= 0) {
        for (int i = 0; i <= exponent; ++i)
            out.push_back(i < count ? number.digits[i] : '0');
        if (count > exponent + 1) {
            out.append(decimalSeparator);
            out.append(number.digits + exponent + 1, static_cast<std::size_t>(count - exponent - 1));
        }
        return;
    }
    out.push_back('0');
    out.append(decimalSeparator);
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out.append(number.digits, static_cast<std::size_t>(count));
}

}  // namespace worvanta::engine
