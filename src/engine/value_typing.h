#pragma once
#include <string>
#include <string_view>

#include "engine/date_time_reading.h"
#include "engine/regional_settings.h"

namespace worvanta::engine {

// Value typing of unquoted fields: the first rule that applies decides.
//   1. an equals sign or a double quote: text
//   2. begins with e or E: text
//   3. holds the currency symbol and is an amount once the symbol, the
//      surrounding spaces and the thousands separators (between groups of
//      three digits) are gone; a minus sign or parentheses make it negative
//   4. a decimal number under the regional decimal separator
//   5. true or false in any letter case
//   6. a date or a date and time
//   7. anything else: text
// Typing may change how a value is written but never the value: numbers of
// more than 15 significant digits, amounts of more than four decimals and
// times with fractions of a second stay text as written.
class ValueTyper {
public:
    explicit ValueTyper(const RegionalSettings& settings);

    // The cell's text of an unquoted, non-empty field: the field itself, or
    // the typed value as the region writes it, built in `scratch`. A reader
    // that has seen neither '=' nor the currency symbol's first byte in the
    // field says so with mayHoldMarker false, which spares two searches.
    std::string_view cellText(std::string_view field, std::string& scratch, bool mayHoldMarker = true) const;

private:
    bool typeCurrency(std::string_view field, std::string& out) const;
    bool typeNumber(std::string_view field, std::string& out) const;
    bool removeThousandsSeparators(std::string_view amount, std::string& digits) const;

    RegionalSettings settings_;
    DateTimeFormat dateTime_;
    bool mayStartValue_[256] = {};
};

}  // namespace worvanta::engine
