#include "engine/sheet.h"

#include <algorithm>
#include <stdexcept>

#include "common/app_error.h"
#include "engine/large_buffer.h"

namespace worvanta::engine {

namespace {

bool isPlain(std::string_view text)
{
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || c == '"' || c == '\\')
            return false;
    }
    return true;
}

}  // namespace

std::size_t Sheet::findStoredRow(std::size_t row) const
{
    const auto found = std::lower_bound(rows_.begin(), rows_.end(), row,
                                        [](const Row& stored, std::size_t wanted) { return stored.index < wanted; });
    if (found == rows_.end() || found->index != row)
        return rows_.size();
    return static_cast<std::size_t>(found - rows_.begin());
}

Sheet::RowCells Sheet::rowCells(std::size_t stored) const
{
    const Row& row = rows_[stored];
    const std::size_t end = stored + 1 < rows_.size() ? rows_[stored + 1].firstEntry : entries_.size();
    return RowCells(*this, row.firstEntry, end, row.textOffset);
}

std::string_view Sheet::cell(std::size_t row, std::size_t column) const
{
    const std::size_t stored = findStoredRow(row);
    if (stored == rows_.size())
        return {};
    RowCells cells = rowCells(stored);
    Cell found;
    while (cells.next(found)) {
        if (found.column == column)
            return found.text;
        if (found.column > column)
            break;
    }
    return {};
}

bool Sheet::hasCell(std::size_t row, std::size_t column) const
{
    return !cell(row, column).empty();
}

void Sheet::clear()
{
    // Give the memory back: a cleared sheet may stay alive for a long time.
    std::string().swap(text_);
    std::vector<Entry>().swap(entries_);
    std::vector<Row>().swap(rows_);
    longTexts_.clear();
    columnCount_ = 0;
}

void Sheet::reserveText(std::size_t bytes)
{
    text_.reserve(bytes);
    adviseLargeBuffer(text_.data(), text_.capacity());
}

void Sheet::reserveCells(std::size_t cells)
{
    entries_.reserve(cells);
    adviseLargeBuffer(entries_.data(), entries_.capacity() * sizeof(Entry));
}

void Sheet::addCell(std::size_t row, std::size_t column, std::string_view text)
{
    addCell(row, column, text, isPlain(text));
}

void Sheet::addCell(std::size_t row, std::size_t column, std::string_view text, bool plain)
{
    if (text.empty())
        return;
    if (column >= kPlainBit * std::size_t{2} - 1)
        throw AppError("Fisierul are prea multe coloane pe un rand");
    if (!rows_.empty()) {
        const Row& last = rows_.back();
        if (row < last.index || (row == last.index && column <= entries_.back().column))
            throw std::invalid_argument("Sheet cells must be added in reading order");
    }
    if (rows_.empty() || rows_.back().index != row)
        rows_.push_back({row, entries_.size(), text_.size()});
    std::uint32_t length = static_cast<std::uint32_t>(text.size());
    if (text.size() >= kLongText) {
        longTexts_.emplace_back(entries_.size(), text.size());
        length = kLongText;
    }
    entries_.push_back({static_cast<std::uint32_t>(column), length | (plain ? kPlainBit : 0u)});
    text_.append(text);
    columnCount_ = std::max(columnCount_, column + 1);
}

}  // namespace worvanta::engine
