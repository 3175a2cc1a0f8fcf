// Fuzz target over the whole engine path: bytes in, sheet, header check and
// payload out, under both pinned regional settings. The first byte picks the
// layout. Checks what must hold for any input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/import_engine.h"
#include "engine/text_decoding.h"

namespace {

using namespace worvanta::engine;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void runOnce(std::string_view bytes, const RegionalSettings& settings, const CsvLayout& layout)
{
    const Sheet sheet = loadCsv(bytes, settings);
    const auto message = checkHeader(sheet, layout);
    require(!message || !message->empty());
    const std::string payload = buildPayload(sheet, layout);
    require(payload.size() >= 2 && payload.front() == '[' && payload.back() == ']');
    require(isValidUtf8(payload));
    for (const char c : payload)
        require(static_cast<unsigned char>(c) >= 0x20);
    for (std::size_t row = 0; row < sheet.rowCount(); ++row)
        for (std::size_t column = 0; column <= sheet.columnCount(); ++column)
            require(sheet.hasCell(row, column) == !sheet.cell(row, column).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto& layouts = allLayouts();
    const CsvLayout& layout = *layouts[data[0] % layouts.size()];
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    static const RegionalSettings romanian = RegionalSettings::romanian();
    static const RegionalSettings unitedStates = RegionalSettings::unitedStates();
    runOnce(bytes, romanian, layout);
    runOnce(bytes, unitedStates, layout);
    return 0;
}
