#include "pg/names.h"

#include "common/ascii_case.h"

namespace worvanta::pg {

bool sameName(std::string_view a, std::string_view b) { return equalsIgnoringAsciiCase(a, b); }

}  // namespace worvanta::pg
