#pragma once
#include <string>
#include <string_view>

namespace worvanta {

// Letter case of the ASCII letters A to Z only; every other byte, the bytes
// of UTF-8 sequences included, stays as it is. Names, headers, extensions and
// truth words are compared this way throughout the program.
constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string asciiLowered(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = asciiLower(c);
    return lower;
}

inline bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    }
    return true;
}

}  // namespace worvanta
