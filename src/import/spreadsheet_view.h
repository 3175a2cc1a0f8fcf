#pragma once
#include <QTableView>
#include <memory>

#include "engine/sheet.h"

namespace worvanta::import {

class SheetModel;

// The spreadsheet panel's control (dxSpreadSheet1): shows the file that the
// last import loaded, so the user can scroll to a fault. Read-only; nothing
// in it is read back.
class SpreadsheetView : public QTableView {
    Q_OBJECT
public:
    explicit SpreadsheetView(QWidget* parent = nullptr);

    void showSheet(std::shared_ptr<const engine::Sheet> sheet);
    void clear();
    bool isEmpty() const;
    const engine::Sheet* sheet() const;
    SheetModel* sheetModel() const { return model_; }

private:
    SheetModel* model_;
};

}  // namespace worvanta::import
