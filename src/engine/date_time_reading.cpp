#include "engine/date_time_reading.h"

#include "common/ascii_case.h"

#include <algorithm>

namespace worvanta::engine {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads 1 to maxDigits digits at text[at]; returns the digit count (0: none).
int readNumber(std::string_view text, std::size_t& at, int maxDigits, int& value)
{
    int count = 0;
    value = 0;
    while (at < text.size() && isDigit(text[at]) && count < maxDigits) {
        value = value * 10 + (text[at] - '0');
        ++at;
        ++count;
    }
    if (at < text.size() && isDigit(text[at]))
        return 0;  // more digits than allowed
    return count;
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool isValidDate(int year, int month, int day)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    const int last = kDays[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
    return day <= last;
}

// Values here are 0 to 9999.
void appendPadded(std::string& out, int value, int width)
{
    char digits[4];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && count < 4);
    for (int i = count; i < width; ++i)
        out.push_back('0');
    while (count > 0)
        out.push_back(digits[--count]);
}

}  // namespace

DateTimeFormat::DateTimeFormat(const RegionalSettings& settings)
    : order_{Part::Day, Part::Month, Part::Year},
      am_(settings.amDesignator),
      pm_(settings.pmDesignator),
      dateTokens_(tokenize(settings.shortDateFormat)),
      timeTokens_(tokenize(settings.longTimeFormat))
{
    const std::string& format = settings.shortDateFormat;
    const std::size_t day = format.find('d');
    const std::size_t month = format.find('M');
    const std::size_t year = format.find('y');
    if (day != std::string::npos && month != std::string::npos && year != std::string::npos) {
        std::pair<std::size_t, Part> parts[3] = {{day, Part::Day}, {month, Part::Month}, {year, Part::Year}};
        std::sort(std::begin(parts), std::end(parts),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        for (int i = 0; i < 3; ++i)
            order_[i] = parts[i].second;
    }

    const std::string& separator = settings.dateSeparator;
    if (!separator.empty())
        separators_.push_back(separator);
    if (separator == "-") {
        separators_.push_back("/");
    } else if (separator == ".") {
        separators_.push_back("/");
        separators_.push_back("-");
    } else if (separator == "/") {
        separators_.push_back("-");
    }
}

bool DateTimeFormat::read(std::string_view text, DateTimeValue& value) const
{
    if (text.empty() || !isDigit(text[0]))
        return false;
    const std::size_t space = text.find(' ');
    const std::string_view datePart = text.substr(0, space);
    const std::string_view timePart = space == std::string_view::npos ? std::string_view{} : text.substr(space + 1);
    for (const std::string& separator : separators_) {
        value = DateTimeValue{};
        if (readRegionalDate(datePart, separator, value))
            return space == std::string_view::npos || readTime(timePart, false, value);
    }

    // ISO 8601: yyyy-MM-dd, then " " or "T" and HH:mm[:ss].
    if (text.size() < 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!isDigit(text[i]))
            return false;
    value = DateTimeValue{};
    value.year = (text[0] - '0') * 1000 + (text[1] - '0') * 100 + (text[2] - '0') * 10 + (text[3] - '0');
    value.month = (text[5] - '0') * 10 + (text[6] - '0');
    value.day = (text[8] - '0') * 10 + (text[9] - '0');
    if (!isValidDate(value.year, value.month, value.day))
        return false;
    if (text.size() == 10)
        return true;
    if (text[10] != ' ' && text[10] != 'T')
        return false;
    return readTime(text.substr(11), true, value);
}

bool DateTimeFormat::readRegionalDate(std::string_view text, std::string_view separator, DateTimeValue& value) const
{
    int numbers[3];
    int lengths[3];
    std::size_t at = 0;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (at >= text.size() || text[at] != separator[0] || text.substr(at, separator.size()) != separator)
                return false;
            at += separator.size();
        }
        lengths[i] = readNumber(text, at, 4, numbers[i]);
        if (lengths[i] == 0)
            return false;
    }
    if (at != text.size())
        return false;
    for (int i = 0; i < 3; ++i) {
        switch (order_[i]) {
        case Part::Day:
            if (lengths[i] > 2)
                return false;
            value.day = numbers[i];
            break;
        case Part::Month:
            if (lengths[i] > 2)
                return false;
            value.month = numbers[i];
            break;
        case Part::Year:
            if (lengths[i] == 2)
                value.year = numbers[i] + (numbers[i] < 30 ? 2000 : 1900);
            else if (lengths[i] == 4)
                value.year = numbers[i];
            else
                return false;
            break;
        }
    }
    return isValidDate(value.year, value.month, value.day);
}

bool DateTimeFormat::readTime(std::string_view text, bool isoForm, DateTimeValue& value) const
{
    std::size_t at = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    const int hourDigits = readNumber(text, at, 2, hour);
    if (hourDigits == 0 || (isoForm && hourDigits != 2))
        return false;
    if (at >= text.size() || text[at] != ':')
        return false;
    ++at;
    if (readNumber(text, at, 2, minute) != 2)
        return false;
    if (at < text.size() && text[at] == ':') {
        ++at;
        if (readNumber(text, at, 2, second) != 2)
            return false;
    }
    std::string_view rest = text.substr(at);
    if (!isoForm && !rest.empty()) {
        if (rest.front() == ' ')
            rest.remove_prefix(1);
        const bool am = !am_.empty() && equalsIgnoringAsciiCase(rest, am_);
        const bool pm = !pm_.empty() && equalsIgnoringAsciiCase(rest, pm_);
        if (!am && !pm)
            return false;
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (pm ? 12 : 0);
        rest = {};
    }
    if (!rest.empty() || hour > 23 || minute > 59 || second > 59)
        return false;
    value.hour = hour;
    value.minute = minute;
    value.second = second;
    return true;
}

std::vector<DateTimeFormat::FormatToken> DateTimeFormat::tokenize(std::string_view format)
{
    std::vector<FormatToken> tokens;
    const bool twelveHour = format.find("AP") != std::string_view::npos ||
                            format.find("ap") != std::string_view::npos;
    const auto literal = [&](std::string_view text) {
        if (!tokens.empty() && tokens.back().token == Token::Literal)
            tokens.back().literal.append(text);
        else
            tokens.push_back({Token::Literal, std::string(text)});
    };
    std::size_t at = 0;
    while (at < format.size()) {
        const char c = format[at];
        std::size_t run = 1;
        while (at + run < format.size() && format[at + run] == c)
            ++run;
        if (c == '\'') {
            const std::size_t close = format.find('\'', at + 1);
            if (close == at + 1) {
                literal("'");
                at += 2;
                continue;
            }
            const std::size_t end = close == std::string_view::npos ? format.size() : close;
            literal(format.substr(at + 1, end - at - 1));
            at = end == format.size() ? end : end + 1;
            continue;
        }
        if ((c == 'A' || c == 'a') && at + 1 < format.size() && (format[at + 1] == 'P' || format[at + 1] == 'p')) {
            tokens.push_back({c == 'A' ? Token::Designator : Token::DesignatorLower, {}});
            at += 2;
            continue;
        }
        switch (c) {
        case 'd': tokens.push_back({run == 1 ? Token::Day : Token::Day2, {}}); break;
        case 'M': tokens.push_back({run == 1 ? Token::Month : Token::Month2, {}}); break;
        case 'y': tokens.push_back({run <= 2 ? Token::Year2 : Token::Year4, {}}); break;
        case 'h':
            if (twelveHour)
                tokens.push_back({run == 1 ? Token::Hour12 : Token::Hour12Pad, {}});
            else
                tokens.push_back({run == 1 ? Token::Hour24 : Token::Hour24Pad, {}});
            break;
        case 'H': tokens.push_back({run == 1 ? Token::Hour24 : Token::Hour24Pad, {}}); break;
        case 'm': tokens.push_back({run == 1 ? Token::Minute : Token::Minute2, {}}); break;
        case 's': tokens.push_back({run == 1 ? Token::Second : Token::Second2, {}}); break;
        default: literal(format.substr(at, run)); break;
        }
        at += run;
    }
    return tokens;
}

void DateTimeFormat::appendTokens(const std::vector<FormatToken>& tokens, const DateTimeValue& value,
                                  std::string& out) const
{
    const int hour12 = value.hour % 12 == 0 ? 12 : value.hour % 12;
    for (const FormatToken& token : tokens) {
        switch (token.token) {
        case Token::Literal: out.append(token.literal); break;
        case Token::Day: appendPadded(out, value.day, 1); break;
        case Token::Day2: appendPadded(out, value.day, 2); break;
        case Token::Month: appendPadded(out, value.month, 1); break;
        case Token::Month2: appendPadded(out, value.month, 2); break;
        case Token::Year2: appendPadded(out, value.year % 100, 2); break;
        case Token::Year4: appendPadded(out, value.year, 4); break;
        case Token::Hour12: appendPadded(out, hour12, 1); break;
        case Token::Hour12Pad: appendPadded(out, hour12, 2); break;
        case Token::Hour24: appendPadded(out, value.hour, 1); break;
        case Token::Hour24Pad: appendPadded(out, value.hour, 2); break;
        case Token::Minute: appendPadded(out, value.minute, 1); break;
        case Token::Minute2: appendPadded(out, value.minute, 2); break;
        case Token::Second: appendPadded(out, value.second, 1); break;
        case Token::Second2: appendPadded(out, value.second, 2); break;
        case Token::Designator: out.append(value.hour < 12 ? am_ : pm_); break;
        case Token::DesignatorLower:
            for (const char c : value.hour < 12 ? am_ : pm_)
                out.push_back(asciiLower(c));
            break;
        }
    }
}

void DateTimeFormat::append(const DateTimeValue& value, std::string& out) const
{
    appendTokens(dateTokens_, value, out);
    if (value.hour == 0 && value.minute == 0 && value.second == 0)
        return;
    out.push_back(' ');
    appendTokens(timeTokens_, value, out);
}

}  // namespace worvanta::engine
