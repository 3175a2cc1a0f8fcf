#include "import/query_row_source.h"

#include <stdexcept>

#include "pg/query.h"

namespace worvanta::import {

QueryRowSource::QueryRowSource(const pg::Query& query, const grid::GridColumns& columns) : query_(query) {
    for (const grid::GridColumn& column : columns) {
        const int field = query.fieldIndex(column.field);
        if (field < 0) throw std::logic_error("grid column without a query field: " + column.field);
        fieldOfColumn_.push_back(field);
    }
}

int QueryRowSource::rowCount() const { return query_.isOpen() ? query_.rowCount() : 0; }

std::string_view QueryRowSource::raw(int row, int column) const {
    return query_.value(row, fieldOfColumn_[static_cast<std::size_t>(column)]);
}

bool QueryRowSource::isNull(int row, int column) const {
    return query_.isNull(row, fieldOfColumn_[static_cast<std::size_t>(column)]);
}

}  // namespace worvanta::import
