#include "import/file_extension.h"

namespace worvanta::import {

std::string_view fileExtension(std::string_view path) {
    // Both separators count: a name chosen on the workstation may use either.
    const std::size_t separator = path.find_last_of("/\\");
    const std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

std::string asciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

bool hasCsvExtension(std::string_view path) { return asciiLower(fileExtension(path)) == ".csv"; }

}  // namespace worvanta::import
