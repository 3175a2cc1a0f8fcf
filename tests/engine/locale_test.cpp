#include <gtest/gtest.h>

#include <QLocale>

#include "engine/value_typing.h"
#include "locale/system_regional_settings.h"

namespace worvanta::locale {
namespace {

TEST(RegionalSettingsOf, RomanianWorkstation)
{
    const engine::RegionalSettings settings = regionalSettingsOf(QLocale(QLocale::Romanian, QLocale::Romania));
    EXPECT_EQ(settings.decimalSeparator, ",");
    EXPECT_EQ(settings.thousandsSeparator, ".");
    EXPECT_EQ(settings.currencySymbol, "RON");
    EXPECT_EQ(settings.dateSeparator, ".");
    EXPECT_EQ(settings.shortDateFormat, "dd.MM.yyyy");
    EXPECT_EQ(settings.longTimeFormat, "HH:mm:ss");
}

TEST(RegionalSettingsOf, UnitedStatesWorkstationDropsTheTimeZone)
{
    const engine::RegionalSettings settings = regionalSettingsOf(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(settings.decimalSeparator, ".");
    EXPECT_EQ(settings.thousandsSeparator, ",");
    EXPECT_EQ(settings.currencySymbol, "$");
    EXPECT_EQ(settings.dateSeparator, "/");
    EXPECT_EQ(settings.longTimeFormat.find('t'), std::string::npos) << settings.longTimeFormat;
    EXPECT_EQ(settings.amDesignator, "AM");
    EXPECT_EQ(settings.pmDesignator, "PM");

    const engine::ValueTyper typer(settings);
    std::string scratch;
    EXPECT_EQ(typer.cellText("2024-01-15 13:05:09", scratch), "1/15/24 1:05:09 PM");
}

TEST(RegionalSettingsOf, CLocaleHasFixedSettings)
{
    const engine::RegionalSettings settings = regionalSettingsOf(QLocale::c());
    EXPECT_EQ(settings.decimalSeparator, ".");
    EXPECT_EQ(settings.thousandsSeparator, "");
    EXPECT_EQ(settings.dateSeparator, "-");
    EXPECT_EQ(settings.shortDateFormat, "yyyy-MM-dd");
    EXPECT_EQ(settings.longTimeFormat, "HH:mm:ss");

    const engine::ValueTyper typer(settings);
    std::string scratch;
    EXPECT_EQ(typer.cellText("1.2.2024", scratch), "1.2.2024");
    EXPECT_EQ(typer.cellText("2024-01-15T10:00", scratch), "2024-01-15 10:00:00");
    EXPECT_EQ(typer.cellText("1234.50", scratch), "1234.5");
}

}  // namespace
}  // namespace worvanta::locale
