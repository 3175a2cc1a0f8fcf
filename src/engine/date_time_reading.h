#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "engine/regional_settings.h"

namespace worvanta::engine {

struct DateTimeValue {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Reads dates and date-times in the regional day/month/year order (day and
// month of one or two digits, years of two or four digits, 00-29 meaning
// 20xx and 30-99 19xx), with the regional date separator or its accepted
// alternatives, optionally followed by a space and hours:minutes[:seconds]
// in 24-hour form or with the AM/PM designators; and ISO dates yyyy-MM-dd
// with an optional " HH:mm[:ss]" or "THH:mm[:ss]" in every region. A time
// without a date, and fractions of a second, are not read.
// Writes them as the regional short date, plus a space and the regional long
// time when the time of day is not midnight.
class DateTimeFormat {
public:
    explicit DateTimeFormat(const RegionalSettings& settings);

    bool read(std::string_view text, DateTimeValue& value) const;
    void append(const DateTimeValue& value, std::string& out) const;

private:
    enum class Part { Day, Month, Year };
    enum class Token { Literal, Day, Day2, Month, Month2, Year2, Year4,
                       Hour12, Hour12Pad, Hour24, Hour24Pad, Minute, Minute2,
                       Second, Second2, Designator, DesignatorLower };
    struct FormatToken {
        Token token;
        std::string literal;
    };

    bool readRegionalDate(std::string_view text, std::string_view separator, DateTimeValue& value) const;
    bool readTime(std::string_view text, bool isoForm, DateTimeValue& value) const;
    static std::vector<FormatToken> tokenize(std::string_view format);
    void appendTokens(const std::vector<FormatToken>& tokens, const DateTimeValue& value, std::string& out) const;

    Part order_[3];
    std::vector<std::string> separators_;
    std::string am_;
    std::string pm_;
    std::vector<FormatToken> dateTokens_;
    std::vector<FormatToken> timeTokens_;
};

}  // namespace worvanta::engine
