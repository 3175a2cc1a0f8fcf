#include "engine/regional_settings.h"

namespace worvanta::engine {

RegionalSettings RegionalSettings::romanian()
{
    return RegionalSettings{
        .decimalSeparator = ",",
        .thousandsSeparator = ".",
        .currencySymbol = "RON",
        .dateSeparator = ".",
        .shortDateFormat = "dd.MM.yyyy",
        .longTimeFormat = "HH:mm:ss",
        .amDesignator = "a.m.",
        .pmDesignator = "p.m.",
    };
}

RegionalSettings RegionalSettings::unitedStates()
{
    return RegionalSettings{
        .decimalSeparator = ".",
        .thousandsSeparator = ",",
        .currencySymbol = "$",
        .dateSeparator = "/",
        .shortDateFormat = "M/d/yyyy",
        .longTimeFormat = "h:mm:ss AP",
        .amDesignator = "AM",
        .pmDesignator = "PM",
    };
}

}  // namespace worvanta::engine
