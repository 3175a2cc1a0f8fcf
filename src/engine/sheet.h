#pragma once
#include <cstdint>
#include <string_view>
#include <string>
#include <vector>

namespace worvanta::engine {

// The loaded sheet: cells at (row, column), absent or holding text.
// Texts live in one buffer; each row is a run of (column, span) entries,
// so a large file costs no heap object per cell.
class Sheet {
public:
    // Last row holding a non-empty cell, plus one (0 when none).
    std::size_t rowCount() const;
    // Greatest column index holding a cell, plus one.
    std::size_t columnCount() const;
    // Empty view for an absent cell.
    std::string_view cell(std::size_t row, std::size_t column) const;
    bool hasCell(std::size_t row, std::size_t column) const;
    void clear();

    // Building (used by the reader).
    void addCell(std::size_t row, std::size_t column, std::string_view text);

private:
    struct Entry {
        std::uint32_t column;
        std::uint32_t length;
        std::uint64_t offset;
    };
    std::string text_;  // all cell texts, back to back
    std::vector<Entry> entries_;
    std::vector<std::uint64_t> rowStart_;  // index into entries_ per row, plus end
    std::size_t columnCount_ = 0;
};

}  // namespace worvanta::engine
