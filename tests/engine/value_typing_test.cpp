#include <gtest/gtest.h>

#include "engine/import_engine.h"
#include "engine/value_typing.h"

namespace worvanta::engine {
namespace {

enum class Region { Romanian, UnitedStates };

struct TypingCase {
    Region region;
    std::string field;
    std::string cellText;
};

std::ostream& operator<<(std::ostream& out, const TypingCase& c)
{
    return out << (c.region == Region::Romanian ? "ro " : "us ") << '[' << c.field << ']';
}

RegionalSettings settingsOf(Region region)
{
    return region == Region::Romanian ? RegionalSettings::romanian() : RegionalSettings::unitedStates();
}

class ValueTyping : public ::testing::TestWithParam<TypingCase> {};

TEST_P(ValueTyping, GivesTheCellsText)
{
    const TypingCase& c = GetParam();
    const ValueTyper typer(settingsOf(c.region));
    std::string scratch;
    EXPECT_EQ(typer.cellText(c.field, scratch), c.cellText);

    // The same field read from a file, unquoted and quoted.
    const Sheet unquoted = loadCsv(std::string_view(c.field), settingsOf(c.region));
    EXPECT_EQ(unquoted.cell(0, 0), c.cellText);
    const Sheet quoted = loadCsv(std::string_view("\"" + c.field + "\""), settingsOf(c.region));
    EXPECT_EQ(quoted.cell(0, 0), c.field);
}

constexpr Region RO = Region::Romanian;
constexpr Region US = Region::UnitedStates;

const TypingCase kTextRules[] = {
    {RO, "=1+1", "=1+1"}, {US, "5=5", "5=5"}, {US, "=TRUE", "=TRUE"},
    {RO, "e10", "e10"}, {US, "E5", "E5"}, {US, "e", "e"}, {US, "eTRUE", "eTRUE"},
    {US, "hello", "hello"}, {RO, "RO49BTRL1234", "RO49BTRL1234"}, {US, "12abc", "12abc"},
};
INSTANTIATE_TEST_SUITE_P(EqualsSignAndLetterE, ValueTyping, ::testing::ValuesIn(kTextRules));

const TypingCase kNumbers[] = {
    {RO, "007", "7"}, {US, "007", "7"},
    {RO, "1234.56", "1234.56"}, {RO, "1234.50", "1234.50"},
    {US, "1234.50", "1234.5"}, {US, "1234.56", "1234.56"},
    {US, "-0.50", "-0.5"}, {US, "+5", "5"}, {US, "-0", "0"}, {US, "0.000", "0"}, {RO, "-3", "-3"},
    {US, ".5", "0.5"}, {US, "5.", "5"},
    {US, "1e10", "10000000000"}, {RO, "1e3", "1000"}, {US, "1.5e20", "1.5E20"}, {US, "1E15", "1E15"},
    {US, "123456789012345", "123456789012345"}, {US, "1000000000000000000000", "1E21"},
    {US, "0.000001", "1E-6"}, {US, "0.00001", "0.00001"}, {US, "1e-5", "0.00001"},
    {US, "-1.25e-7", "-1.25E-7"}, {US, "0000000000000000000001", "1"},
    {US, "100000000000000.000", "100000000000000"},
    // More than 15 significant digits: a reference, not a quantity; kept as written.
    {US, "1234567890123456", "1234567890123456"}, {RO, "12345678901234567890", "12345678901234567890"},
    {US, "1.00000000000000001", "1.00000000000000001"},
    // Out of a spreadsheet number's range, or not numbers at all.
    {US, "1e400", "1e400"}, {US, "1e-400", "1e-400"}, {US, "inf", "inf"}, {US, "nan", "nan"},
    {US, "Infinity", "Infinity"}, {US, "0x1A", "0x1A"}, {US, "1.2.3", "1.2.3"}, {US, "1e", "1e"},
    {US, "+", "+"}, {US, "-", "-"}, {US, ".", "."}, {US, "1 000", "1 000"}, {US, " 5", " 5"},
};
INSTANTIATE_TEST_SUITE_P(Numbers, ValueTyping, ::testing::ValuesIn(kNumbers));

const TypingCase kCurrency[] = {
    {US, "$5", "5"}, {US, "5$", "5"}, {US, "$1234.5678", "1234.5678"}, {US, "$1234.50", "1234.5"},
    {US, "($5.50)", "-5.5"}, {US, "-$5", "-5"}, {US, "$-5", "-5"}, {US, " $ 7 ", "7"},
    {RO, "1.234 RON", "1234"}, {RO, "1.234.567 RON", "1234567"}, {RO, "(1.000 RON)", "-1000"},
    {RO, "100RON", "100"}, {RO, "RON 12", "12"},
    // Amounts that cannot be read without changing them stay as written.
    {US, "$1.23456", "$1.23456"}, {US, "$1234567890123456", "$1234567890123456"},
    {RO, "1.5 RON", "1.5 RON"}, {RO, "12.34 RON", "12.34 RON"}, {RO, "1234.567 RON", "1234.567 RON"},
    {US, "$", "$"}, {RO, "RON", "RON"}, {RO, "RONALDO", "RONALDO"}, {US, "$abc", "$abc"},
    {US, "$1e5", "$1e5"}, {US, "($-5)", "($-5)"}, {US, "$$5", "$$5"}, {US, "- $5", "- $5"},
};
INSTANTIATE_TEST_SUITE_P(CurrencyAmounts, ValueTyping, ::testing::ValuesIn(kCurrency));

const TypingCase kTruthValues[] = {
    {US, "true", "TRUE"}, {RO, "FALSE", "FALSE"}, {US, "False", "FALSE"}, {RO, "TrUe", "TRUE"},
    {US, "truth", "truth"}, {US, "t", "t"}, {US, "yes", "yes"},
};
INSTANTIATE_TEST_SUITE_P(TruthValues, ValueTyping, ::testing::ValuesIn(kTruthValues));

const TypingCase kDates[] = {
    {RO, "15.01.2024", "15.01.2024"}, {RO, "1.2.2024", "01.02.2024"}, {RO, "1/2/2024", "01.02.2024"},
    {RO, "1-2-2024", "01.02.2024"}, {RO, "1.2.24", "01.02.2024"}, {RO, "1.2.29", "01.02.2029"},
    {RO, "1.2.30", "01.02.1930"}, {RO, "29.02.2024", "29.02.2024"},
    {RO, "2024-01-15", "15.01.2024"}, {RO, "2024-01-15 13:45:10", "15.01.2024 13:45:10"},
    {RO, "2024-01-15T13:45", "15.01.2024 13:45:00"}, {RO, "2024-01-15 00:00:00", "15.01.2024"},
    {RO, "15.01.2024 9:05", "15.01.2024 09:05:00"}, {RO, "1.2.2024 1:05 p.m.", "01.02.2024 13:05:00"},
    {US, "1/15/2024", "1/15/2024"}, {US, "01/15/2024", "1/15/2024"}, {US, "1-15-2024", "1/15/2024"},
    {US, "2024-01-15", "1/15/2024"}, {US, "1/15/2024 1:05 PM", "1/15/2024 1:05:00 PM"},
    {US, "1/15/2024 13:05", "1/15/2024 1:05:00 PM"}, {US, "1/15/2024 12:00 AM", "1/15/2024"},
    {US, "1/15/2024 12:30 am", "1/15/2024 12:30:00 AM"}, {US, "2024-01-15T00:00:01", "1/15/2024 12:00:01 AM"},
    // Not dates: impossible days, wrong order or separators, times alone, fractions of a second.
    {RO, "31.02.2024", "31.02.2024"}, {RO, "29.02.2023", "29.02.2023"}, {RO, "0.1.2024", "0.1.2024"},
    {RO, "1.13.2024", "1.13.2024"}, {RO, "1.2.024", "1.2.024"}, {RO, "1.2", "1.2"},
    {RO, "15.01.2024 25:00", "15.01.2024 25:00"}, {RO, "15.01.2024 10:60", "15.01.2024 10:60"},
    {RO, "2024-01-15 10:00:00.5", "2024-01-15 10:00:00.5"}, {RO, "15.01.2024 10:00:00.000", "15.01.2024 10:00:00.000"},
    {RO, "13:45", "13:45"}, {US, "1:05 PM", "1:05 PM"}, {RO, "1.2-2024", "1.2-2024"},
    {US, "15/1/2024", "15/1/2024"}, {US, "1.15.2024", "1.15.2024"}, {US, "2024/01/15", "2024/01/15"},
    {US, "1/15/2024 13:00 PM", "1/15/2024 13:00 PM"}, {US, "1/15/2024  1:00", "1/15/2024  1:00"},
    {US, "2024-1-5", "2024-1-5"}, {US, "2024-01-15T1:00", "2024-01-15T1:00"},
};
INSTANTIATE_TEST_SUITE_P(Dates, ValueTyping, ::testing::ValuesIn(kDates));

}  // namespace
}  // namespace worvanta::engine
