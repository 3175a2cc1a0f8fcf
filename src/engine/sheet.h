#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace worvanta::engine {

// The loaded sheet: cells at (row, column), absent or holding text.
// Texts live in one buffer, row after row; each cell costs one 8-byte entry
// (column, length) and only rows holding a cell are stored, so a large file
// costs no heap object per cell and blank lines cost nothing.
class Sheet {
public:
    struct Cell {
        std::size_t column = 0;
        std::string_view text;
        bool plain = false;  // no character that a JSON string must escape
    };

    // Walks the cells of one stored row in column order.
    class RowCells {
    public:
        bool next(Cell& cell);

    private:
        friend class Sheet;
        RowCells(const Sheet& sheet, std::size_t entry, std::size_t end, std::size_t textOffset)
            : sheet_(&sheet), entry_(entry), end_(end), textOffset_(textOffset) {}
        const Sheet* sheet_;
        std::size_t entry_;
        std::size_t end_;
        std::size_t textOffset_;
    };

    // Last row holding a non-empty cell, plus one (0 when none).
    std::size_t rowCount() const { return rows_.empty() ? 0 : rows_.back().index + 1; }
    // Greatest column index holding a cell, plus one.
    std::size_t columnCount() const { return columnCount_; }
    // Empty view for an absent cell.
    std::string_view cell(std::size_t row, std::size_t column) const;
    bool hasCell(std::size_t row, std::size_t column) const;
    void clear();

    // Rows that hold at least one cell, in row order.
    std::size_t storedRowCount() const { return rows_.size(); }
    std::size_t storedRowIndex(std::size_t stored) const { return rows_[stored].index; }
    RowCells rowCells(std::size_t stored) const;
    // Bytes of all cell texts together.
    std::size_t textSize() const { return text_.size(); }

    // Building, in reading order: rows never go back and columns rise within
    // a row. Empty texts are not cells and are ignored. Throws
    // std::invalid_argument when the order is broken.
    void addCell(std::size_t row, std::size_t column, std::string_view text);
    void addCell(std::size_t row, std::size_t column, std::string_view text, bool plain);
    void reserveText(std::size_t bytes);
    void reserveCells(std::size_t cells);

private:
    static constexpr std::uint32_t kPlainBit = 0x80000000u;
    static constexpr std::uint32_t kLengthMask = 0x7FFFFFFFu;
    // Length marker of a text too long for 31 bits; the length is in longTexts_.
    static constexpr std::uint32_t kLongText = 0x7FFFFFFFu;

    struct Entry {
        std::uint32_t column;
        std::uint32_t lengthAndPlain;
    };
    struct Row {
        std::uint64_t index;
        std::uint64_t firstEntry;
        std::uint64_t textOffset;
    };

    std::size_t entryLength(std::size_t entry) const;
    std::size_t findStoredRow(std::size_t row) const;  // rows_.size() when absent

    std::string text_;
    std::vector<Entry> entries_;
    std::vector<Row> rows_;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> longTexts_;  // (entry, length)
    std::size_t columnCount_ = 0;
};

inline std::size_t Sheet::entryLength(std::size_t entry) const
{
    const std::uint32_t length = entries_[entry].lengthAndPlain & kLengthMask;
    if (length != kLongText)
        return length;
    for (const auto& [index, longLength] : longTexts_)
        if (index == entry)
            return static_cast<std::size_t>(longLength);
    return 0;
}

inline bool Sheet::RowCells::next(Cell& cell)
{
    if (entry_ == end_)
        return false;
    const Entry& entry = sheet_->entries_[entry_];
    const std::size_t length = sheet_->entryLength(entry_);
    cell.column = entry.column;
    cell.text = std::string_view(sheet_->text_.data() + textOffset_, length);
    cell.plain = (entry.lengthAndPlain & kPlainBit) != 0;
    textOffset_ += length;
    ++entry_;
    return true;
}

}  // namespace worvanta::engine
