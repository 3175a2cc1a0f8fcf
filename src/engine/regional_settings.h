#pragma once
#include <string>

namespace worvanta::engine {

// The workstation's regional settings that value typing reads and writes
// with. A plain value: the program fills it from the system, tests pin it.
// Date and time formats use the letters d, M, y, H, h, m, s and AP/ap
// (h counts hours 1 to 12 when the format holds AP, as H counts 0 to 23);
// text between single quotes is copied as it stands.
struct RegionalSettings {
    std::string decimalSeparator = ".";
    std::string thousandsSeparator;  // may be empty
    std::string currencySymbol = "$";  // may be empty: no currency amounts then
    std::string dateSeparator = "-";
    std::string shortDateFormat = "yyyy-MM-dd";
    std::string longTimeFormat = "HH:mm:ss";
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";

    // dd.MM.yyyy, HH:mm:ss, decimal ",", thousands ".", currency "RON".
    static RegionalSettings romanian();
    // M/d/yyyy, h:mm:ss AM/PM, decimal ".", thousands ",", currency "$".
    static RegionalSettings unitedStates();
};

}  // namespace worvanta::engine
