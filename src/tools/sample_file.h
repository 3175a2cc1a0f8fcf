#pragma once
#include <cstdint>
#include <cstdio>

#include "engine/csv_layout.h"

namespace worvanta::tools {

// Writes a realistic clearing file for a layout: the header row, then `rows`
// data rows (CR LF line ends) with dates, times, amounts, IBANs, BICs and
// quoted texts holding commas. The same seed gives the same file.
// Returns false when writing fails.
bool writeSampleFile(const engine::CsvLayout& layout, std::uint64_t rows, std::uint64_t seed, std::FILE* out);

}  // namespace worvanta::tools
