#include "import/spreadsheet_view.h"

#include <QHeaderView>

#include "import/sheet_model.h"

namespace worvanta::import {

SpreadsheetView::SpreadsheetView(QWidget* parent) : QTableView(parent), model_(new SheetModel(this)) {
    setObjectName(QStringLiteral("dxSpreadSheet1"));
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultSectionSize(90);
}

void SpreadsheetView::showSheet(std::shared_ptr<const engine::Sheet> sheet) { model_->setSheet(std::move(sheet)); }

void SpreadsheetView::clear() { model_->setSheet(nullptr); }

bool SpreadsheetView::isEmpty() const { return model_->sheet() == nullptr; }

const engine::Sheet* SpreadsheetView::sheet() const { return model_->sheet().get(); }

}  // namespace worvanta::import
