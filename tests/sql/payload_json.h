#pragma once
#include <string>
#include <utility>
#include <vector>

namespace worvanta::sqltest {

using Members = std::vector<std::pair<std::string, std::string>>;

inline std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

// A payload array of one object per row, every value a JSON string.
inline std::string payload(const std::vector<Members>& rows) {
    std::string out = "[";
    for (size_t r = 0; r < rows.size(); ++r) {
        if (r) out += ",";
        out += "{";
        for (size_t m = 0; m < rows[r].size(); ++m) {
            if (m) out += ",";
            out += jsonString(rows[r][m].first) + ":" + jsonString(rows[r][m].second);
        }
        out += "}";
    }
    return out + "]";
}

}  // namespace worvanta::sqltest
