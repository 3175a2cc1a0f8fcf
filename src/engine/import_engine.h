#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "engine/csv_layout.h"
#include "engine/regional_settings.h"
#include "engine/sheet.h"

namespace worvanta::engine {

// Reads a whole file into memory. Throws AppError with the file system's
// message when it cannot be opened or read.
std::string readFileBytes(const std::string& path);

// Decodes (byte-order mark, UTF-8, else the ANSI code page), splits into
// rows and fields and types the unquoted values. The second form takes the
// bytes over and frees them once the sheet is built, which keeps the peak
// memory of a large import low: loadCsv(readFileBytes(path), settings).
Sheet loadCsv(std::string_view bytes, const RegionalSettings& settings);
Sheet loadCsv(std::string&& bytes, const RegionalSettings& settings);
inline Sheet loadCsv(const char* text, const RegionalSettings& settings)
{
    return loadCsv(std::string_view(text), settings);
}

// The message of the first column whose header differs; nullopt when all match.
std::optional<std::string> checkHeader(const Sheet& sheet, const CsvLayout& layout);

// The payload's exact JSON text for rows 1 onwards.
std::string buildPayload(const Sheet& sheet, const CsvLayout& layout);

}  // namespace worvanta::engine
