#pragma once
#include <string_view>
#include <vector>

#include "pg/field.h"

struct pg_result;

namespace worvanta::pg {

// Finds each declared column in a result (names matched without regard to
// case) and checks that its values can be read as the declared kind.
// Returns, per declared column, the index of the result column. Throws
// DbError naming the first column that is missing or of another kind.
std::vector<int> mapDeclaredColumns(const pg_result* result, const FieldDefs& fields, std::string_view queryName);

}  // namespace worvanta::pg
