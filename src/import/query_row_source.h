#pragma once
#include <vector>

#include "grid/grid_column.h"
#include "grid/row_source.h"

namespace worvanta::pg {
class Query;
}

namespace worvanta::import {

// The view query's rows as the grid reads them, in place: grid column i is
// the query field of the same name. A closed query has no rows.
class QueryRowSource : public grid::RowSource {
public:
    QueryRowSource(const pg::Query& query, const grid::GridColumns& columns);

    int rowCount() const override;
    int columnCount() const override { return static_cast<int>(fieldOfColumn_.size()); }
    std::string_view raw(int row, int column) const override;
    bool isNull(int row, int column) const override;

private:
    const pg::Query& query_;
    std::vector<int> fieldOfColumn_;
};

}  // namespace worvanta::import
