#pragma once
#include <QAbstractTableModel>
#include <memory>

#include "engine/sheet.h"

namespace worvanta::import {

// "A", "B", ... "Z", "AA", "AB", ... for a zero-based column index.
QString columnLetters(int column);

// A loaded sheet as a read-only table: columns headed by letters, rows by
// their numbers from 1. The model shares the sheet, so the sheet lives as
// long as it is shown.
class SheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SheetModel(QObject* parent = nullptr);

    void setSheet(std::shared_ptr<const engine::Sheet> sheet);  // nullptr empties
    const std::shared_ptr<const engine::Sheet>& sheet() const { return sheet_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::shared_ptr<const engine::Sheet> sheet_;
};

}  // namespace worvanta::import
