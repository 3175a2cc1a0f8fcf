#include "grid/grid_table_view.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace worvanta::grid {

GridTableView::GridTableView(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setSortingEnabled(false);  // the grid sorts on a header click itself
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(18);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setHighlightSections(false);
}

void GridTableView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && model()) {
        const QModelIndex current = currentIndex();
        const int rows = model()->rowCount();
        const int columns = model()->columnCount();
        if (rows > 0 && columns > 0) {
            int row = current.isValid() ? current.row() : 0;
            int column = current.isValid() ? current.column() + 1 : 0;
            if (column >= columns) {
                column = 0;
                row = std::min(row + 1, rows - 1);
                if (current.row() == rows - 1) column = columns - 1;  // the last cell stays put
            }
            setCurrentIndex(model()->index(row, column));
        }
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace worvanta::grid
