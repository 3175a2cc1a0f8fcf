#include "engine/text_decoding.h"

#include <cstdint>
#include <cstring>

#include "os/ansi_code_page.h"

namespace worvanta::engine {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

// Length of the well-formed UTF-8 sequence at bytes[at], or 0 when malformed
// (overlong forms, surrogates and code points beyond U+10FFFF included).
std::size_t sequenceLength(std::string_view bytes, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    const std::size_t left = bytes.size() - at;
    const auto continuation = [&](std::size_t i) { return (byte(i) & 0xC0) == 0x80; };
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return left >= 2 && continuation(at + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 3 || !continuation(at + 1) || !continuation(at + 2))
            return 0;
        const unsigned char second = byte(at + 1);
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0))
            return 0;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (left < 4 || !continuation(at + 1) || !continuation(at + 2) || !continuation(at + 3))
            return 0;
        const unsigned char second = byte(at + 1);
        if ((lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
            return 0;
        return 4;
    }
    return 0;
}

bool eightAsciiBytes(const char* at)
{
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return (word & 0x8080808080808080ull) == 0;
}

std::string sanitizedUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t length = sequenceLength(bytes, at);
        if (length == 0) {
            appendUtf8(out, kReplacement);
            ++at;
        } else {
            out.append(bytes.substr(at, length));
            at += length;
        }
    }
    return out;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    const std::size_t units = bytes.size() / 2;
    const auto unitAt = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            const char32_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit);
    }
    if (bytes.size() % 2 != 0)
        appendUtf8(out, kReplacement);
    return out;
}

bool startsWith(std::string_view bytes, std::string_view prefix)
{
    return bytes.substr(0, prefix.size()) == prefix;
}

}  // namespace

bool isValidUtf8(std::string_view bytes)
{
    std::size_t at = 0;
    const std::size_t size = bytes.size();
    while (at < size) {
        if (at + 8 <= size && eightAsciiBytes(bytes.data() + at)) {
            at += 8;
            continue;
        }
        const std::size_t length = sequenceLength(bytes, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

void decodeToUtf8(std::string_view bytes, DecodedText& decoded)
{
    decoded.converted.clear();
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        const std::string_view rest = bytes.substr(3);
        if (isValidUtf8(rest)) {
            decoded.text = rest;
            return;
        }
        decoded.converted = sanitizedUtf8(rest);
    } else if (startsWith(bytes, "\xFF\xFE")) {
        decoded.converted = utf16ToUtf8(bytes.substr(2), false);
    } else if (startsWith(bytes, "\xFE\xFF")) {
        decoded.converted = utf16ToUtf8(bytes.substr(2), true);
    } else if (isValidUtf8(bytes)) {
        // Without a byte-order mark, well-formed UTF-8 is UTF-8: reading it in
        // the ANSI code page would corrupt every letter beyond ASCII.
        decoded.text = bytes;
        return;
    } else {
        decoded.converted = os::ansiToUtf8(bytes);
    }
    decoded.text = decoded.converted;
}

}  // namespace worvanta::engine
