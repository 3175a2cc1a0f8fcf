#include "pg/parameters.h"

#include "pg/db_error.h"
#include "pg/names.h"

namespace worvanta::pg {

namespace {

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHighByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// What may continue an SQL identifier (a keyword before a quote, a name
// before a dollar sign): then the quote or dollar opens nothing.
bool isIdentifierChar(char c) { return isAsciiLetter(c) || isDigit(c) || c == '_' || c == '$' || isHighByte(c); }
bool isTagStart(char c) { return isAsciiLetter(c) || c == '_' || isHighByte(c); }
bool isTagChar(char c) { return isTagStart(c) || isDigit(c); }

bool isParamStart(char c) { return isAsciiLetter(c) || c == '_'; }
bool isParamChar(char c) { return isAsciiLetter(c) || isDigit(c) || c == '_'; }

// End (one past) of a quoted run starting at `open` (the quote itself).
std::size_t endOfQuoted(std::string_view s, std::size_t open, bool backslashEscapes) {
    const char quote = s[open];
    std::size_t i = open + 1;
    while (i < s.size()) {
        if (backslashEscapes && s[i] == '\\') {
            i += 2;
        } else if (s[i] == quote) {
            if (i + 1 < s.size() && s[i + 1] == quote) {
                i += 2;
            } else {
                return i + 1;
            }
        } else {
            ++i;
        }
    }
    return s.size();
}

std::size_t endOfBlockComment(std::string_view s, std::size_t open) {
    int depth = 0;
    std::size_t i = open;
    while (i + 1 < s.size()) {
        if (s[i] == '/' && s[i + 1] == '*') {
            ++depth;
            i += 2;
        } else if (s[i] == '*' && s[i + 1] == '/') {
            i += 2;
            if (--depth == 0) return i;
        } else {
            ++i;
        }
    }
    return s.size();
}

// End of a dollar-quoted body when `open` starts a $tag$, else npos.
std::size_t endOfDollarQuoted(std::string_view s, std::size_t open) {
    std::size_t i = open + 1;
    if (i < s.size() && isTagStart(s[i])) {
        while (i < s.size() && isTagChar(s[i])) ++i;
    }
    if (i >= s.size() || s[i] != '$') return std::string_view::npos;
    const std::string_view tag = s.substr(open, i - open + 1);
    const std::size_t close = s.find(tag, i + 1);
    return close == std::string_view::npos ? s.size() : close + tag.size();
}

}  // namespace

ParsedStatement::ParsedStatement(std::string_view s) {
    sql_.reserve(s.size());
    std::size_t i = 0;
    auto copyTo = [&](std::size_t end) {
        sql_.append(s.substr(i, end - i));
        i = end;
    };
    while (i < s.size()) {
        const char c = s[i];
        const char next = i + 1 < s.size() ? s[i + 1] : '\0';
        const char prev = i > 0 ? s[i - 1] : '\0';
        if (c == '\'') {
            const bool escapeString = (prev == 'E' || prev == 'e') && (i < 2 || !isIdentifierChar(s[i - 2]));
            copyTo(endOfQuoted(s, i, escapeString));
        } else if (c == '"') {
            copyTo(endOfQuoted(s, i, false));
        } else if (c == '-' && next == '-') {
            const std::size_t eol = s.find('\n', i);
            copyTo(eol == std::string_view::npos ? s.size() : eol);
        } else if (c == '/' && next == '*') {
            copyTo(endOfBlockComment(s, i));
        } else if (c == '$' && !isIdentifierChar(prev)) {
            const std::size_t end = endOfDollarQuoted(s, i);
            copyTo(end == std::string_view::npos ? i + 1 : end);
        } else if (c == ':' && next == ':') {
            copyTo(i + 2);
        } else if (c == ':' && isParamStart(next)) {
            std::size_t end = i + 1;
            while (end < s.size() && isParamChar(s[end])) ++end;
            const std::string_view name = s.substr(i + 1, end - i - 1);
            std::size_t index = 0;
            while (index < names_.size() && !sameName(names_[index], name)) ++index;
            if (index == names_.size()) names_.emplace_back(name);
            sql_ += '$';
            sql_ += std::to_string(index + 1);
            i = end;
        } else {
            copyTo(i + 1);
        }
    }
}

Parameters::Parameters(std::vector<std::string> names) : names_(std::move(names)), values_(names_.size()) {}

std::size_t Parameters::indexOf(std::string_view name) const {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (sameName(names_[i], name)) return i;
    }
    throw DbError("Parametrul " + std::string(name) + " nu exista in instructiune");
}

void Parameters::set(std::string_view name, std::string value) {
    // Replace the string rather than assign into it: assigning a short value
    // would keep the old buffer, and a payload can be a gigabyte.
    std::optional<std::string>& slot = values_[indexOf(name)];
    slot.reset();
    slot.emplace(std::move(value));
}

void Parameters::setNull(std::string_view name) { values_[indexOf(name)].reset(); }

}  // namespace worvanta::pg
