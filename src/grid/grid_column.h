#pragma once
#include <string>
#include <vector>

#include "pg/field.h"

namespace worvanta::grid {

// How a column writes its values.
enum class ColumnDisplay {
    Default,         // the usual form for the value's kind
    DateTimeEditor,  // date and time as yyyy-MM-dd HH:mm:ss (24-hour clock)
};

// One grid column: the field it shows (also its header), the kind of the
// field's values, its width in pixels and how it writes them.
struct GridColumn {
    std::string field;
    pg::FieldKind kind = pg::FieldKind::Text;
    int width = 64;
    ColumnDisplay display = ColumnDisplay::Default;
};

using GridColumns = std::vector<GridColumn>;

}  // namespace worvanta::grid
