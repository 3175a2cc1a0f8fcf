#include <gtest/gtest.h>

#include <ostream>

#include "grid/cell_format.h"

namespace worvanta::grid {
namespace {

struct CellCase {
    const char* label;
    pg::FieldKind kind;
    ColumnDisplay display;
    std::optional<std::string> raw;
    const char* shown;
};

// Names the case in test output.
void PrintTo(const CellCase& c, std::ostream* os) { *os << c.label; }

class CellTextTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellTextTest, ShowsTheValueInTheColumnsForm) {
    const CellCase& c = GetParam();
    const GridColumn column{"f", c.kind, 80, c.display};
    EXPECT_EQ(cellText(column, c.raw.value_or(""), !c.raw.has_value()), QString::fromUtf8(c.shown)) << c.label;
}

constexpr auto DT = pg::FieldKind::DateTime;
constexpr auto Editor = ColumnDisplay::DateTimeEditor;
constexpr auto Plain = ColumnDisplay::Default;

INSTANTIATE_TEST_SUITE_P(
    Cases, CellTextTest,
    ::testing::Values(
        CellCase{"editor keeps whole seconds", DT, Editor, "2024-03-05 14:07:09", "2024-03-05 14:07:09"},
        CellCase{"editor drops fractions", DT, Editor, "2024-03-05 23:59:59.999999", "2024-03-05 23:59:59"},
        CellCase{"editor drops the zone", DT, Editor, "2024-03-05 04:07:09+02", "2024-03-05 04:07:09"},
        CellCase{"editor 24-hour clock past noon", DT, Editor, "2024-12-31 13:00:00", "2024-12-31 13:00:00"},
        CellCase{"editor gives a date midnight", pg::FieldKind::Date, Editor, "2024-03-05", "2024-03-05 00:00:00"},
        CellCase{"editor leaves odd shapes", DT, Editor, "infinity", "infinity"},
        CellCase{"editor leaves a cut-off time", DT, Editor, "2024-03-05 14:0", "2024-03-05 14:0"},
        CellCase{"null shows nothing", DT, Editor, std::nullopt, ""},
        CellCase{"default date and time as sent", DT, Plain, "2024-03-05 14:07:09.5", "2024-03-05 14:07:09.5"},
        CellCase{"truth true", pg::FieldKind::Boolean, Plain, "t", "True"},
        CellCase{"truth false", pg::FieldKind::Boolean, Plain, "f", "False"},
        CellCase{"text beyond ASCII", pg::FieldKind::Text, Plain, "\xC8\x98tefan", "\xC8\x98tefan"},
        CellCase{"number as sent", pg::FieldKind::Float, Plain, "-1234.5", "-1234.5"}));

}  // namespace
}  // namespace worvanta::grid
