#include "import/file_extension.h"

#include "common/ascii_case.h"

namespace worvanta::import {

std::string_view fileExtension(std::string_view path) {
    // Both separators count: a name chosen on the workstation may use either.
    const std::size_t separator = path.find_last_of("/\\");
    const std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

bool hasCsvExtension(std::string_view path) { return asciiLowered(fileExtension(path)) == ".csv"; }

}  // namespace worvanta::import
