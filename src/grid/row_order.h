#pragma once
#include <Qt>
#include <vector>

#include "grid/grid_column.h"
#include "grid/row_source.h"

namespace worvanta::grid {

// Reorders `rows` (source row indices) by one column's values, compared by
// the column's kind: numbers as numbers, dates and times in time order, truth
// values false before true, texts by letters without regard to case. Nulls
// come first in ascending order. Equal values keep their relative order.
void sortRows(std::vector<int>& rows, const RowSource& source, int column, const GridColumn& columnDef,
              Qt::SortOrder order);

}  // namespace worvanta::grid
