#pragma once
#include <QAbstractTableModel>
#include <QFont>
#include <vector>

#include "grid/grid_appearance.h"
#include "grid/grid_column.h"
#include "grid/grid_style_sheet.h"
#include "grid/row_source.h"

namespace worvanta::grid {

// The grid's table model: serves the source's rows on demand through an
// index vector (the rows that pass the filters, in the chosen order). The
// rows themselves are never copied.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    void setColumns(GridColumns columns);
    const GridColumns& columns() const { return columns_; }

    // The source may change its rows only between these two calls (a query
    // being opened or refreshed); the source must outlive the model or be
    // replaced first. A null source shows no rows.
    void beginSourceChange();
    void endSourceChange(const RowSource* source);
    void setSource(const RowSource* source);
    const RowSource* source() const { return source_; }

    void setFilter(int column, const QString& text);
    QString filter(int column) const;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

    void setStyleSheet(const GridStyleSheet& sheet, const QFont& baseFont);

    // The row that the indicator marks (a row of the model, -1 for none).
    void setCurrentRow(int row);
    int currentRow() const { return currentRow_; }
    int sourceRow(int row) const { return visible_.at(static_cast<std::size_t>(row)); }
    int sourceRowCount() const { return source_ ? source_->rowCount() : 0; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    static QString indicatorMark();

private:
    void rebuildRows();

    GridColumns columns_;
    const RowSource* source_ = nullptr;
    std::vector<QString> filters_;
    std::vector<int> visible_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    int currentRow_ = -1;
    CellLook even_;
    CellLook odd_;
};

}  // namespace worvanta::grid
