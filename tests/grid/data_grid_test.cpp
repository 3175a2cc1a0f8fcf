#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "grid/data_grid.h"
#include "grid/filter_row.h"
#include "grid/grid_model.h"
#include "grid/grid_navigator.h"
#include "grid/grid_table_view.h"
#include "memory_row_source.h"

namespace worvanta::grid {
namespace {

using testing::MemoryRowSource;

GridStyleSheet sampleStyleSheet() {
    GridStyleSheet sheet;
    sheet.background = {"cxStyle1", 0xFFFBF0, {}, {}, "", 0};
    sheet.content = {"cxStyle2", 0xD9EAF7, 0x000000, false, "", 0};
    sheet.contentEven = {"cxStyle3", 0xD9EAF7, 0x000000, {}, "", 0};
    sheet.contentOdd = {"cxStyle4", 0xEAF3FB, 0x000000, {}, "", 0};
    sheet.filterBox = {"cxStyle5", 0xFFFFE1, 0x000000, {}, "", 0};
    sheet.header = {"cxStyle9", 0x316AC5, 0xFFFFFF, true, "", 0};
    sheet.inactive = {"cxStyle10", 0xA4C4EB, {}, {}, "", 0};
    sheet.indicator = {"cxStyle12", 0xA4C4EB, {}, {}, "", 0};
    sheet.selection = {"cxStyle14", 0x316AC5, 0xFFFFFF, {}, "", 0};
    return sheet;
}

// A grid over five rows: id, name, stamp (date editor).
class DataGridTest : public ::testing::Test {
protected:
    DataGridTest()
        : source_({
              {"3", "Gamma", "2024-01-05 13:05:09.5"},
              {"10", "alpha", "2024-01-01 00:00:00"},
              {"2", "ALPHABET", "2024-01-03 08:00:00"},
              {"1", "beta", std::nullopt},
              {"20", "Delta", "2024-01-02 23:59:59"},
          }) {
        grid_.setColumns({{"id", pg::FieldKind::BigInt, 50, ColumnDisplay::Default},
                          {"name", pg::FieldKind::Text, 120, ColumnDisplay::Default},
                          {"stamp", pg::FieldKind::DateTime, 110, ColumnDisplay::DateTimeEditor}});
        grid_.applyStyleSheet(sampleStyleSheet());
        grid_.resize(600, 300);
        grid_.setSource(&source_);
    }

    QString shown(int row, int column) const {
        return grid_.model()->index(row, column).data().toString();
    }
    QStringList columnTexts(int column) const {
        QStringList texts;
        for (int row = 0; row < grid_.model()->rowCount(); ++row) texts << shown(row, column);
        return texts;
    }
    void typeFilter(int column, const QString& text) {
        QLineEdit* edit = grid_.filterRow()->editor(column);
        ASSERT_NE(edit, nullptr);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void clickNavigator(const char* name) {
        auto* button = grid_.findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    MemoryRowSource source_;
    DataGrid grid_;
};

TEST_F(DataGridTest, CarriesTheComponentNamesAndTheColumnsAsDeclared) {
    EXPECT_EQ(grid_.objectName(), "cxGrid1");
    EXPECT_NE(grid_.findChild<QTableView*>("cxGrid1DBTableView1"), nullptr);
    const QAbstractItemModel& model = *grid_.model();
    ASSERT_EQ(model.columnCount(), 3);
    const int widths[] = {50, 120, 110};
    const char* names[] = {"id", "name", "stamp"};
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(model.headerData(column, Qt::Horizontal).toString(), names[column]);
        EXPECT_EQ(grid_.tableView()->columnWidth(column), widths[column]);
    }
}

TEST_F(DataGridTest, IsReadOnly) {
    const QModelIndex cell = grid_.model()->index(0, 1);
    EXPECT_FALSE(grid_.model()->flags(cell) & Qt::ItemIsEditable);
    EXPECT_FALSE(grid_.model()->setData(cell, "changed"));
    EXPECT_EQ(grid_.tableView()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(DataGridTest, ShowsDateEditorColumnsWithSecondsOnA24HourClock) {
    EXPECT_EQ(shown(0, 2), "2024-01-05 13:05:09");
    EXPECT_EQ(shown(3, 2), "");
}

TEST_F(DataGridTest, RecordCounterFollowsTheNavigator) {
    EXPECT_EQ(grid_.recordCounterText(), "1 of 5");
    clickNavigator("navigatorNext");
    clickNavigator("navigatorNext");
    EXPECT_EQ(grid_.recordCounterText(), "3 of 5");
    clickNavigator("navigatorLast");
    EXPECT_EQ(grid_.recordCounterText(), "5 of 5");
    clickNavigator("navigatorPrevious");
    EXPECT_EQ(grid_.recordCounterText(), "4 of 5");
    clickNavigator("navigatorFirst");
    EXPECT_EQ(grid_.recordCounterText(), "1 of 5");
}

TEST_F(DataGridTest, RowIndicatorMarksOnlyTheCurrentRow) {
    grid_.setCurrentRow(2);
    const QAbstractItemModel& model = *grid_.model();
    for (int row = 0; row < model.rowCount(); ++row) {
        EXPECT_EQ(model.headerData(row, Qt::Vertical).toString(), row == 2 ? GridModel::indicatorMark() : QString())
            << row;
    }
}

TEST_F(DataGridTest, FilterAppliesAsEachLetterIsTyped) {
    typeFilter(1, "AL");
    EXPECT_EQ(columnTexts(1), (QStringList{"alpha", "ALPHABET"}));
    QTest::keyClicks(grid_.filterRow()->editor(1), "PHAB");
    EXPECT_EQ(columnTexts(1), (QStringList{"ALPHABET"}));
    EXPECT_EQ(grid_.recordCounterText(), "1 of 1");
    typeFilter(1, "zz");
    EXPECT_EQ(grid_.recordCounterText(), "0 of 0");
    grid_.filterRow()->editor(1)->clear();
    EXPECT_EQ(grid_.recordCounterText(), "1 of 5");
}

TEST_F(DataGridTest, HeaderClickSortsThenReverses) {
    QHeaderView* header = grid_.tableView()->horizontalHeader();
    const QPoint centre(header->sectionViewportPosition(0) + header->sectionSize(0) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(columnTexts(0), (QStringList{"1", "2", "3", "10", "20"}));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(columnTexts(0), (QStringList{"20", "10", "3", "2", "1"}));
}

TEST_F(DataGridTest, SortOrderSurvivesFilteringAndReload) {
    grid_.sortByColumn(1, Qt::AscendingOrder);
    typeFilter(1, "a");
    EXPECT_EQ(columnTexts(1), (QStringList{"alpha", "ALPHABET", "beta", "Delta", "Gamma"}));
    typeFilter(1, "ph");
    grid_.beginSourceChange();
    EXPECT_EQ(grid_.model()->rowCount(), 0);  // the old rows are let go while the source changes
    grid_.endSourceChange(&source_);
    EXPECT_EQ(columnTexts(1), (QStringList{"alpha", "ALPHABET"}));
}

TEST_F(DataGridTest, EnterMovesToTheNextCellAndWrapsToTheNextRow) {
    GridTableView* view = grid_.tableView();
    view->setCurrentIndex(grid_.model()->index(0, 1));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(view->currentIndex(), grid_.model()->index(0, 2));
    QTest::keyClick(view, Qt::Key_Enter);
    EXPECT_EQ(view->currentIndex(), grid_.model()->index(1, 0));
    view->setCurrentIndex(grid_.model()->index(4, 2));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(view->currentIndex(), grid_.model()->index(4, 2));
}

TEST_F(DataGridTest, PaintsEvenAndOddRowsAndSelectionFromTheStyleSheet) {
    const QAbstractItemModel& model = *grid_.model();
    EXPECT_EQ(model.index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0xD9, 0xEA, 0xF7));
    EXPECT_EQ(model.index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0xEA, 0xF3, 0xFB));
    EXPECT_EQ(model.index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    const QPalette palette = grid_.tableView()->palette();
    EXPECT_EQ(palette.color(QPalette::Active, QPalette::Highlight), QColor(0x31, 0x6A, 0xC5));
    EXPECT_EQ(palette.color(QPalette::Active, QPalette::HighlightedText), QColor(Qt::white));
    EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::Highlight), QColor(0xA4, 0xC4, 0xEB));
    EXPECT_EQ(palette.color(QPalette::Base), QColor(0xFF, 0xFB, 0xF0));
    EXPECT_TRUE(grid_.tableView()->horizontalHeader()->styleSheet().contains("background-color: #316ac5"));
    EXPECT_TRUE(grid_.tableView()->horizontalHeader()->styleSheet().contains("font-weight: bold"));
    EXPECT_TRUE(grid_.tableView()->verticalHeader()->styleSheet().contains("background-color: #a4c4eb"));
    EXPECT_TRUE(grid_.filterRow()->editor(0)->styleSheet().contains("background-color: #ffffe1"));
}

TEST_F(DataGridTest, FilterEntriesStayAlignedWithTheirColumns) {
    grid_.show();
    grid_.tableView()->setColumnWidth(0, 90);
    QHeaderView* header = grid_.tableView()->horizontalHeader();
    const int dataLeft = grid_.tableView()->frameWidth() + grid_.tableView()->verticalHeader()->width();
    for (int column = 0; column < 3; ++column) {
        const QLineEdit* edit = grid_.filterRow()->editor(column);
        EXPECT_EQ(edit->x(), dataLeft + header->sectionViewportPosition(column)) << column;
    }
}

TEST(DataGridEmpty, WithoutRowsTheCounterReadsZero) {
    DataGrid grid;
    grid.setColumns({{"id", pg::FieldKind::BigInt, 50}});
    EXPECT_EQ(grid.recordCounterText(), "0 of 0");
    EXPECT_EQ(grid.currentRow(), -1);
}

}  // namespace
}  // namespace worvanta::grid
