#pragma once
#include <string>

namespace worvanta::engine {

// The workstation's regional settings that value typing reads and writes
// with. A plain value: the program fills it from the system, tests pin it.
// Date and time formats use the letters d, M, y, H, h, m, s, AP/ap.
struct RegionalSettings {
    std::string decimalSeparator = ".";
    std::string thousandsSeparator;  // may be empty
    std::string currencySymbol = "$";
    std::string dateSeparator = "-";
    std::string shortDateFormat = "yyyy-MM-dd";
    std::string longTimeFormat = "HH:mm:ss";
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";

    static RegionalSettings romanian();
    static RegionalSettings unitedStates();
};

}  // namespace worvanta::engine
