#include "engine/import_engine.h"

namespace worvanta::engine {

namespace {

// Folds ASCII letters only and trims nothing: "Amount " is not "amount".
bool matchesHeader(std::string_view cell, std::string_view expectedLower)
{
    if (cell.size() != expectedLower.size())
        return false;
    for (std::size_t i = 0; i < cell.size(); ++i) {
        char c = cell[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != expectedLower[i])
            return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> checkHeader(const Sheet& sheet, const CsvLayout& layout)
{
    for (std::size_t column = 0; column < layout.columns.size(); ++column) {
        const CsvColumn& expected = layout.columns[column];
        const std::string_view cell = sheet.cell(0, column);
        if (cell.empty() || !matchesHeader(cell, expected.header))
            return expected.message;
    }
    return std::nullopt;
}

}  // namespace worvanta::engine
