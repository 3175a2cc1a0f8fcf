#include <gtest/gtest.h>

#include <ostream>

#include <numeric>

#include "grid/row_order.h"
#include "memory_row_source.h"

namespace worvanta::grid {
namespace {

using testing::MemoryRowSource;

struct OrderCase {
    const char* label;
    pg::FieldKind kind;
    std::vector<std::optional<std::string>> values;
    Qt::SortOrder order;
    std::vector<int> expected;
};

// Names the case in test output.
void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.label; }

class SortRowsTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(SortRowsTest, OrdersByTheColumnsKind) {
    const OrderCase& c = GetParam();
    std::vector<MemoryRowSource::Row> rows;
    for (const auto& value : c.values) rows.push_back({value});
    const MemoryRowSource source(rows, 1);
    std::vector<int> order(c.values.size());
    std::iota(order.begin(), order.end(), 0);
    sortRows(order, source, 0, GridColumn{"f", c.kind}, c.order);
    EXPECT_EQ(order, c.expected) << c.label;
}

constexpr auto Up = Qt::AscendingOrder;
constexpr auto Down = Qt::DescendingOrder;

INSTANTIATE_TEST_SUITE_P(
    Cases, SortRowsTest,
    ::testing::Values(
        OrderCase{"integers by value, not by text", pg::FieldKind::BigInt, {"10", "9", "-3", "100"}, Up, {2, 1, 0, 3}},
        OrderCase{"big integers beyond 32 bits", pg::FieldKind::BigInt, {"5000000000", "4999999999"}, Up, {1, 0}},
        OrderCase{"floats with exponents and signs", pg::FieldKind::Float, {"1e+20", "-2.5", "3", "0.5"}, Up, {1, 3, 2, 0}},
        OrderCase{"not-a-number after every number", pg::FieldKind::Float, {"NaN", "Infinity", "-Infinity"}, Up, {2, 1, 0}},
        OrderCase{"nulls first going up", pg::FieldKind::Integer, {"2", std::nullopt, "1"}, Up, {1, 2, 0}},
        OrderCase{"nulls last going down", pg::FieldKind::Integer, {"2", std::nullopt, "1"}, Down, {0, 2, 1}},
        OrderCase{"texts without regard to case", pg::FieldKind::Text, {"beta", "Alpha", "alpha2", "Gamma"}, Up, {1, 2, 0, 3}},
        OrderCase{"equal values keep their order", pg::FieldKind::Text, {"b", "a", "b", "a"}, Up, {1, 3, 0, 2}},
        OrderCase{"equal values keep their order going down", pg::FieldKind::Text, {"b", "a", "b", "a"}, Down, {0, 2, 1, 3}},
        OrderCase{"times in time order", pg::FieldKind::DateTime,
                  {"2024-01-02 10:00:00", "2023-12-31 23:59:59", "2024-01-02 09:59:59.5"}, Up, {1, 2, 0}},
        OrderCase{"dates going down", pg::FieldKind::Date, {"2024-01-02", "2024-11-01", "2023-05-05"}, Down, {1, 0, 2}},
        OrderCase{"false before true", pg::FieldKind::Boolean, {"t", "f", "t"}, Up, {1, 0, 2}}));

TEST(SortRows, SortsOnlyTheRowsItIsGiven) {
    const MemoryRowSource source({{"3"}, {"1"}, {"2"}, {"0"}});
    std::vector<int> rows{0, 2};  // as left by a filter
    sortRows(rows, source, 0, GridColumn{"f", pg::FieldKind::Integer}, Qt::AscendingOrder);
    EXPECT_EQ(rows, (std::vector<int>{2, 0}));
}

}  // namespace
}  // namespace worvanta::grid
