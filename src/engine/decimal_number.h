#pragma once
#include <algorithm>
#include <string>
#include <string_view>

namespace worvanta::engine {

// A decimal value of at most 15 significant digits, kept as digits so that
// reading and writing it never rounds: value = d0.d1d2... x 10^exponent.
struct DecimalNumber {
    bool negative = false;
    int digitCount = 0;  // 0 for zero; no trailing zeros
    char digits[15] = {};
    int exponent = 0;

    // Digits after the decimal separator when written in fixed form.
    int decimals() const { return digitCount == 0 ? 0 : std::max(0, digitCount - 1 - exponent); }
};

struct DecimalSyntax {
    std::string_view decimalSeparator;
    bool sign = true;       // a leading + or -
    bool exponent = true;   // e or E, an optional sign and digits
};

// Reads the whole text as [sign] digits [separator digits] [exponent]. Fails
// (false) on any other text, on more than 15 significant digits and on
// magnitudes a spreadsheet number cannot hold, so that nothing read is changed.
bool readDecimal(std::string_view text, const DecimalSyntax& syntax, DecimalNumber& number);

// The general format: no trailing zeros, no thousands separators, exponent
// form (1.5E20, 1E-6) from 1E15 upwards and below 1E-5.
void appendGeneral(const DecimalNumber& number, std::string_view decimalSeparator, std::string& out);

}  // namespace worvanta::engine
