#pragma once
#include <QString>
#include <vector>

#include "grid/grid_column.h"
#include "grid/row_source.h"

namespace worvanta::grid {

// The source rows, in source order, whose cell in every filtered column
// contains that column's filter text as shown, without regard to letter
// case. `filters` has one entry per column; an empty entry filters nothing.
std::vector<int> matchingRows(const RowSource& source, const GridColumns& columns,
                              const std::vector<QString>& filters);

}  // namespace worvanta::grid
