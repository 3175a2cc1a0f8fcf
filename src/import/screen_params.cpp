#include "import/screen_params.h"

#include <algorithm>
#include <stdexcept>

namespace worvanta::import {

grid::GridColumns gridColumnsFor(const pg::FieldDefs& fields, std::initializer_list<ColumnWidth> columns) {
    grid::GridColumns result;
    for (const ColumnWidth& column : columns) {
        const auto field = std::find_if(fields.begin(), fields.end(),
                                        [&](const pg::FieldDef& f) { return f.name == column.field; });
        if (field == fields.end()) throw std::logic_error(std::string("grid column without a field: ") + column.field);
        result.push_back({column.field, field->kind, column.width, column.display});
    }
    return result;
}

}  // namespace worvanta::import
