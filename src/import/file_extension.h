#pragma once
#include <string>
#include <string_view>

namespace worvanta::import {

// The extension of a file's name: from the last "." of the name after its
// last folder separator, dot included; empty when that name has no dot.
std::string_view fileExtension(std::string_view path);

// True when the extension folds to ".csv".
bool hasCsvExtension(std::string_view path);

}  // namespace worvanta::import
