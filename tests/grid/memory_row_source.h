#pragma once
#include <optional>
#include <string>
#include <vector>

#include "grid/row_source.h"

namespace worvanta::grid::testing {

// Rows held in memory, as the server's text forms; nullopt is a null.
class MemoryRowSource : public RowSource {
public:
    using Row = std::vector<std::optional<std::string>>;
    explicit MemoryRowSource(std::vector<Row> rows, int columns = -1) : rows_(std::move(rows)) {
        columns_ = columns >= 0 ? columns : (rows_.empty() ? 0 : static_cast<int>(rows_.front().size()));
    }
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    int columnCount() const override { return columns_; }
    std::string_view raw(int row, int column) const override {
        const auto& value = rows_.at(row).at(column);
        return value ? std::string_view(*value) : std::string_view();
    }
    bool isNull(int row, int column) const override { return !rows_.at(row).at(column).has_value(); }

private:
    std::vector<Row> rows_;
    int columns_;
};

}  // namespace worvanta::grid::testing
