#include "grid/data_grid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QVBoxLayout>

#include "grid/filter_row.h"
#include "grid/grid_appearance.h"
#include "grid/grid_model.h"
#include "grid/grid_navigator.h"
#include "grid/grid_table_view.h"

namespace worvanta::grid {
namespace {

const QString kSectionFrame = QStringLiteral(
    "QHeaderView::section { border: none; border-right: 1px solid #7f9db9; "
    "border-bottom: 1px solid #7f9db9; padding: 1px 3px; }\n");

}  // namespace

DataGrid::DataGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("cxGrid1"));
    model_ = new GridModel(this);
    view_ = new GridTableView(this);
    view_->setObjectName(QStringLiteral("cxGrid1DBTableView1"));
    view_->setModel(model_);
    filterRow_ = new FilterRow(*view_, this);
    navigator_ = new GridNavigator(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(filterRow_);
    layout->addWidget(view_, 1);
    layout->addWidget(navigator_);

    connect(filterRow_, &FilterRow::filterEdited, model_, &GridModel::setFilter);
    connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, this, &DataGrid::onHeaderClicked);
    connect(model_, &QAbstractItemModel::modelReset, this, &DataGrid::onRowsReset);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, &DataGrid::onCurrentChanged);
    connect(navigator_, &GridNavigator::firstRequested, this, [this] { setCurrentRow(0); });
    connect(navigator_, &GridNavigator::previousRequested, this, [this] { setCurrentRow(currentRow() - 1); });
    connect(navigator_, &GridNavigator::nextRequested, this, [this] { setCurrentRow(currentRow() + 1); });
    connect(navigator_, &GridNavigator::lastRequested, this, [this] { setCurrentRow(model_->rowCount() - 1); });
}

void DataGrid::setColumns(GridColumns columns) {
    QStringList names;
    for (const GridColumn& column : columns) names << QString::fromStdString(column.field);
    const GridColumns kept = columns;
    model_->setColumns(std::move(columns));
    for (int i = 0; i < static_cast<int>(kept.size()); ++i) view_->setColumnWidth(i, kept[static_cast<std::size_t>(i)].width);
    filterRow_->setColumnCount(static_cast<int>(kept.size()), names);
    view_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
}

void DataGrid::applyStyleSheet(const GridStyleSheet& sheet) {
    model_->setStyleSheet(sheet, view_->font());
    view_->setPalette(dataPalette(sheet, view_->palette()));
    view_->horizontalHeader()->setStyleSheet(kSectionFrame + styleRule(QStringLiteral("QHeaderView::section"), sheet.header));
    view_->verticalHeader()->setStyleSheet(kSectionFrame + styleRule(QStringLiteral("QHeaderView::section"), sheet.indicator));
    filterRow_->setEditorStyleSheet(styleRule(QStringLiteral("QLineEdit"), sheet.filterBox));
    if (sheet.background.background) {
        QPalette palette = filterRow_->palette();
        palette.setColor(QPalette::Window, colorOf(*sheet.background.background));
        filterRow_->setPalette(palette);
        filterRow_->setAutoFillBackground(true);
    }
}

void DataGrid::beginSourceChange() { model_->beginSourceChange(); }

void DataGrid::endSourceChange(const RowSource* source) { model_->endSourceChange(source); }

void DataGrid::setSource(const RowSource* source) { model_->setSource(source); }

int DataGrid::currentRow() const {
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void DataGrid::setCurrentRow(int row) {
    const int rows = model_->rowCount();
    if (rows == 0) return;
    row = std::clamp(row, 0, rows - 1);
    const QModelIndex current = view_->currentIndex();
    const int column = current.isValid() ? current.column() : 0;
    view_->setCurrentIndex(model_->index(row, column));
    view_->scrollTo(model_->index(row, column));
}

QString DataGrid::recordCounterText() const { return navigator_->counterText(); }

void DataGrid::sortByColumn(int column, Qt::SortOrder order) {
    view_->horizontalHeader()->setSortIndicator(column, order);
    model_->sort(column, order);
}

void DataGrid::onHeaderClicked(int column) {
    // The header flips its own indicator on a click; the model's order is the truth.
    const bool again = model_->sortColumn() == column && model_->sortOrder() == Qt::AscendingOrder;
    sortByColumn(column, again ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void DataGrid::onRowsReset() {
    // Like the grid after a query opens, the first record becomes current.
    if (model_->rowCount() > 0) {
        view_->setCurrentIndex(model_->index(0, 0));
    } else {
        onCurrentChanged();
    }
}

void DataGrid::onCurrentChanged() {
    const int row = currentRow();
    model_->setCurrentRow(row);
    navigator_->showPosition(row, model_->rowCount());
}

}  // namespace worvanta::grid
