#pragma once
#include <string>
#include <string_view>

namespace worvanta::engine {

// A file's text as UTF-8: either a view into the bytes it came from (UTF-8
// without a byte-order mark, the usual case, costs no copy) or a converted
// copy held here. Do not copy or move while `text` points into `converted`.
struct DecodedText {
    std::string converted;
    std::string_view text;
};

// Byte-order mark UTF-8, UTF-16 LE or UTF-16 BE first; without one, valid
// UTF-8 stays UTF-8 and anything else is read in the ANSI code page.
// Malformed sequences become U+FFFD, so the result is always valid UTF-8.
void decodeToUtf8(std::string_view bytes, DecodedText& decoded);

// True when the bytes are well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

}  // namespace worvanta::engine
