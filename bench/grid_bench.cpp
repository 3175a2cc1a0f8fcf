// The data grid over a million rows: filtering as a letter is typed, sorting
// on a header click, and serving the visible rows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>
#include <vector>

#include "grid/data_grid.h"
#include "grid/grid_model.h"
#include "grid/row_filter.h"
#include "grid/row_order.h"
#include "grid/row_source.h"

namespace {

using worvanta::grid::ColumnDisplay;
using worvanta::grid::GridColumns;

// Rows as the server's text, one buffer per column like a query result.
class MillionRows : public worvanta::grid::RowSource {
public:
    explicit MillionRows(int rows) {
        for (int row = 0; row < rows; ++row) {
            ids_.push_back(std::to_string(rows - row));
            names_.push_back("Member " + std::to_string(row % 9973) + (row % 2 ? " bank" : " BROKER"));
            stamps_.push_back("2024-01-" + std::to_string(10 + row % 20) + " 10:" + std::to_string(10 + row % 50) + ":00");
        }
    }
    int rowCount() const override { return static_cast<int>(ids_.size()); }
    int columnCount() const override { return 3; }
    std::string_view raw(int row, int column) const override {
        return column == 0 ? ids_[row] : column == 1 ? names_[row] : stamps_[row];
    }
    bool isNull(int, int) const override { return false; }

private:
    std::vector<std::string> ids_, names_, stamps_;
};

const GridColumns kColumns{{"id", worvanta::pg::FieldKind::BigInt, 50, ColumnDisplay::Default},
                           {"name", worvanta::pg::FieldKind::Text, 120, ColumnDisplay::Default},
                           {"stamp", worvanta::pg::FieldKind::DateTime, 110, ColumnDisplay::DateTimeEditor}};

const MillionRows& rows() {
    static const MillionRows source(1'000'000);
    return source;
}

void BM_FilterTextColumn(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(worvanta::grid::matchingRows(rows(), kColumns, {"", "bank"}));
}
BENCHMARK(BM_FilterTextColumn)->Unit(benchmark::kMillisecond);

void BM_FilterDateEditorColumn(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(worvanta::grid::matchingRows(rows(), kColumns, {"", "", "01-15 10:2"}));
}
BENCHMARK(BM_FilterDateEditorColumn)->Unit(benchmark::kMillisecond);

void BM_SortBigIntColumn(benchmark::State& state) {
    std::vector<int> all = worvanta::grid::matchingRows(rows(), kColumns, {});
    for (auto _ : state) {
        std::vector<int> order = all;
        worvanta::grid::sortRows(order, rows(), 0, kColumns[0], Qt::AscendingOrder);
        benchmark::DoNotOptimize(order);
    }
}
BENCHMARK(BM_SortBigIntColumn)->Unit(benchmark::kMillisecond);

void BM_SortTextColumn(benchmark::State& state) {
    std::vector<int> all = worvanta::grid::matchingRows(rows(), kColumns, {});
    for (auto _ : state) {
        std::vector<int> order = all;
        worvanta::grid::sortRows(order, rows(), 1, kColumns[1], Qt::AscendingOrder);
        benchmark::DoNotOptimize(order);
    }
}
BENCHMARK(BM_SortTextColumn)->Unit(benchmark::kMillisecond);

// Showing the rows: what the view asks for when the query opens.
void BM_GridShowsAMillionRows(benchmark::State& state) {
    worvanta::grid::DataGrid grid;
    grid.setColumns(kColumns);
    grid.resize(800, 600);
    grid.show();
    for (auto _ : state) {
        grid.setSource(nullptr);
        grid.setSource(&rows());
        QApplication::processEvents();
        benchmark::DoNotOptimize(grid.recordCounterText());
    }
}
BENCHMARK(BM_GridShowsAMillionRows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    rows();  // built once, outside the timings
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
