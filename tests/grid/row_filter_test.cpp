#include <gtest/gtest.h>

#include <ostream>

#include "grid/row_filter.h"
#include "memory_row_source.h"

namespace worvanta::grid {
namespace {

using testing::MemoryRowSource;

const GridColumns kColumns{
    {"name", pg::FieldKind::Text, 80, ColumnDisplay::Default},
    {"stamp", pg::FieldKind::DateTime, 110, ColumnDisplay::DateTimeEditor},
    {"flag", pg::FieldKind::Boolean, 40, ColumnDisplay::Default},
    {"amount", pg::FieldKind::Float, 60, ColumnDisplay::Default},
};

MemoryRowSource sampleRows() {
    return MemoryRowSource({
        {"Alpha BANK", "2024-01-02 10:00:00.25", "t", "100.5"},
        {"alphabet", "2024-01-03", "f", "-7"},
        {"\xC4\x82LINA", "2024-01-02 22:15:00", "t", std::nullopt},  // ĂLINA
        {std::nullopt, std::nullopt, std::nullopt, "100"},
        {"Beta", "2024-02-02 10:00:00", "f", "1e+20"},
    });
}

struct FilterCase {
    const char* label;
    std::vector<QString> filters;
    std::vector<int> rows;
};

// Names the case in test output.
void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.label; }

class MatchingRowsTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(MatchingRowsTest, KeepsTheRowsThatContainEveryFilter) {
    const auto source = sampleRows();
    const FilterCase& c = GetParam();
    EXPECT_EQ(matchingRows(source, kColumns, c.filters), c.rows) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MatchingRowsTest,
    ::testing::Values(
        FilterCase{"no filter keeps all", {}, {0, 1, 2, 3, 4}},
        FilterCase{"empty entries keep all", {"", "", "", ""}, {0, 1, 2, 3, 4}},
        FilterCase{"upper case finds lower", {"ALPHA"}, {0, 1}},
        FilterCase{"lower case finds upper", {"bank"}, {0}},
        FilterCase{"inner substring", {"PHAB"}, {1}},
        FilterCase{"letters beyond ASCII fold too", {QString::fromUtf8("\xC4\x83lina")}, {2}},
        FilterCase{"null cells never match", {"a"}, {0, 1, 2, 4}},
        FilterCase{"shown date-editor text, not the raw value", {"", "2024-01-03 00:00"}, {1}},
        FilterCase{"fraction hidden by the editor does not match", {"", ".25"}, {}},
        FilterCase{"truth values by their shown word", {"", "", "TRU"}, {0, 2}},
        FilterCase{"numbers as shown", {"", "", "", "100"}, {0, 3}},
        FilterCase{"exponent letter folds", {"", "", "", "E+2"}, {4}},
        FilterCase{"two filters must both hold", {"alpha", "", "t"}, {0}},
        FilterCase{"nothing matches", {"zzz"}, {}}));

TEST(MatchingRows, FilterOnAColumnTheSourceLacksIsIgnored) {
    const MemoryRowSource narrow({{"a"}, {"b"}}, 1);
    EXPECT_EQ(matchingRows(narrow, kColumns, {"", "x"}), (std::vector<int>{0, 1}));
}

}  // namespace
}  // namespace worvanta::grid
