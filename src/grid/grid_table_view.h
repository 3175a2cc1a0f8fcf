#pragma once
#include <QTableView>

namespace worvanta::grid {

// The grid's table: read-only, fixed row heights (so a million rows cost
// nothing up front), a narrow row indicator, and Enter moving to the next
// cell (to the first cell of the next row at the end of a row).
class GridTableView : public QTableView {
    Q_OBJECT
public:
    explicit GridTableView(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace worvanta::grid
