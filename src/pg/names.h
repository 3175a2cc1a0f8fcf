#pragma once
#include <string_view>

namespace worvanta::pg {

// Names of parameters and columns are compared without regard to ASCII case.
bool sameName(std::string_view a, std::string_view b);

}  // namespace worvanta::pg
