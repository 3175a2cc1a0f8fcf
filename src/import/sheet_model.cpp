#include "import/sheet_model.h"

#include <algorithm>
#include <climits>

namespace worvanta::import {
namespace {

int clampToInt(std::size_t count) { return static_cast<int>(std::min<std::size_t>(count, INT_MAX)); }

}  // namespace

QString columnLetters(int column) {
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26) letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

SheetModel::SheetModel(QObject* parent) : QAbstractTableModel(parent) {}

void SheetModel::setSheet(std::shared_ptr<const engine::Sheet> sheet) {
    beginResetModel();
    sheet_ = std::move(sheet);
    endResetModel();
}

int SheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !sheet_ ? 0 : clampToInt(sheet_->rowCount());
}

int SheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !sheet_ ? 0 : clampToInt(sheet_->columnCount());
}

QVariant SheetModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !sheet_ || !index.isValid()) return {};
    const std::string_view text = sheet_->cell(static_cast<std::size_t>(index.row()), static_cast<std::size_t>(index.column()));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0) return {};
    return orientation == Qt::Horizontal ? columnLetters(section) : QString::number(section + 1);
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace worvanta::import
