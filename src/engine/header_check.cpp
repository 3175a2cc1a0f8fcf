#include "engine/import_engine.h"
#include "common/ascii_case.h"

namespace worvanta::engine {

namespace {

// Folds ASCII letters only and trims nothing: "Amount " is not "amount".
// The expected headers are held in lower case.
bool matchesHeader(std::string_view cell, std::string_view expectedLower)
{
    return equalsIgnoringAsciiCase(cell, expectedLower);
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
