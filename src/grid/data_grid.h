#pragma once
#include <QWidget>

#include "grid/grid_column.h"
#include "grid/grid_style_sheet.h"
#include "grid/row_source.h"

namespace worvanta::grid {

class FilterRow;
class GridModel;
class GridNavigator;
class GridTableView;

// The data grid: a filter row, the table with its row indicator, and a
// navigator bar with the record counter. Read-only; the rows stay in their
// source and are served on demand.
class DataGrid : public QWidget {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);

    void setColumns(GridColumns columns);
    void applyStyleSheet(const GridStyleSheet& sheet);

    // Brackets a change of the source's rows (open or refresh of a query):
    // the grid lets go of the old rows first, then shows the new ones with
    // the filters and sort order kept.
    void beginSourceChange();
    void endSourceChange(const RowSource* source);
    void setSource(const RowSource* source);

    GridTableView* tableView() const { return view_; }
    GridModel* model() const { return model_; }
    FilterRow* filterRow() const { return filterRow_; }
    GridNavigator* navigator() const { return navigator_; }

    int currentRow() const;
    void setCurrentRow(int row);
    QString recordCounterText() const;
    void sortByColumn(int column, Qt::SortOrder order);

private:
    void onHeaderClicked(int column);
    void onRowsReset();
    void onCurrentChanged();

    GridModel* model_;
    GridTableView* view_;
    FilterRow* filterRow_;
    GridNavigator* navigator_;
};

}  // namespace worvanta::grid
