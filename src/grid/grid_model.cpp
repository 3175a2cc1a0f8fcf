#include "grid/grid_model.h"

#include "grid/cell_format.h"
#include "grid/row_filter.h"
#include "grid/row_order.h"

namespace worvanta::grid {
namespace {

bool isNumeric(pg::FieldKind kind) {
    return kind == pg::FieldKind::Integer || kind == pg::FieldKind::BigInt || kind == pg::FieldKind::Float;
}

}  // namespace

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

QString GridModel::indicatorMark() { return QStringLiteral("\u25B6"); }

void GridModel::setColumns(GridColumns columns) {
    beginResetModel();
    columns_ = std::move(columns);
    filters_.assign(columns_.size(), QString());
    sortColumn_ = -1;
    rebuildRows();
    endResetModel();
}

void GridModel::beginSourceChange() {
    beginResetModel();
    source_ = nullptr;
    visible_.clear();
}

void GridModel::endSourceChange(const RowSource* source) {
    source_ = source;
    rebuildRows();
    endResetModel();
}

void GridModel::setSource(const RowSource* source) {
    beginSourceChange();
    endSourceChange(source);
}

void GridModel::setFilter(int column, const QString& text) {
    if (column < 0 || column >= static_cast<int>(filters_.size()) || filters_[column] == text) return;
    beginResetModel();
    filters_[column] = text;
    rebuildRows();
    endResetModel();
}

QString GridModel::filter(int column) const {
    return column >= 0 && column < static_cast<int>(filters_.size()) ? filters_[column] : QString();
}

void GridModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= static_cast<int>(columns_.size())) return;
    beginResetModel();
    sortColumn_ = column;
    sortOrder_ = order;
    rebuildRows();
    endResetModel();
}

void GridModel::rebuildRows() {
    currentRow_ = -1;
    if (!source_) {
        visible_.clear();
        return;
    }
    visible_ = matchingRows(*source_, columns_, filters_);
    if (sortColumn_ >= 0 && sortColumn_ < source_->columnCount()) {
        sortRows(visible_, *source_, sortColumn_, columns_[sortColumn_], sortOrder_);
    }
}

void GridModel::setStyleSheet(const GridStyleSheet& sheet, const QFont& baseFont) {
    even_ = lookOf(sheet.contentEven, baseFont, &sheet.content);
    odd_ = lookOf(sheet.contentOdd, baseFont, &sheet.content);
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void GridModel::setCurrentRow(int row) {
    if (row == currentRow_) return;
    const int old = currentRow_;
    currentRow_ = row;
    if (old >= 0 && old < rowCount()) emit headerDataChanged(Qt::Vertical, old, old);
    if (row >= 0 && row < rowCount()) emit headerDataChanged(Qt::Vertical, row, row);
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(visible_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const GridColumn& column = columns_[static_cast<std::size_t>(index.column())];
    const CellLook& look = (index.row() % 2 == 0) ? even_ : odd_;
    switch (role) {
        case Qt::DisplayRole: {
            if (!source_ || index.column() >= source_->columnCount()) return QString();
            const int row = sourceRow(index.row());
            return cellText(column, source_->raw(row, index.column()), source_->isNull(row, index.column()));
        }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignVCenter | (isNumeric(column.kind) ? Qt::AlignRight : Qt::AlignLeft));
        case Qt::BackgroundRole:
            return look.background ? QVariant(*look.background) : QVariant();
        case Qt::ForegroundRole:
            return look.text ? QVariant(*look.text) : QVariant();
        case Qt::FontRole:
            return look.font ? QVariant(*look.font) : QVariant();
        default:
            return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount()) return {};
        return QString::fromStdString(columns_[static_cast<std::size_t>(section)].field);
    }
    return section == currentRow_ ? indicatorMark() : QString();
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace worvanta::grid
