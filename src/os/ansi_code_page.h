#pragma once
#include <string>
#include <string_view>

namespace worvanta::os {

// Converts text in the system's ANSI code page to UTF-8. On Windows that is
// the code page the system is set to; elsewhere it is Windows-1250, the
// Central European code page of the firm's users. The five bytes that
// Windows-1250 leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) become the C1
// control characters of the same number, as Windows itself converts them.
std::string ansiToUtf8(std::string_view bytes);

}  // namespace worvanta::os
