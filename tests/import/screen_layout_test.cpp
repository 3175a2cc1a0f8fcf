#include <gtest/gtest.h>

#include <ostream>

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "grid/data_grid.h"
#include "grid/grid_model.h"
#include "import/import_screen.h"
#include "import/spreadsheet_view.h"
#include "pg/command.h"
#include "pg/connection.h"
#include "pg/query.h"

namespace worvanta::import {
namespace {

struct LayoutCase {
    const ScreenParams& (*screen)();
    const char* name;
    const char* cautaButton;
    const char* title;
    int gridColumns;
};

// Names the case in test output.
void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class ScreenLayoutTest : public ::testing::TestWithParam<LayoutCase> {
protected:
    pg::Connection connection_{"conVarnok"};
    grid::GridStyleSheet styles_;
};

TEST_P(ScreenLayoutTest, HoldsItsComponentsUnderTheirNames) {
    const LayoutCase& c = GetParam();
    ImportScreen screen(c.screen(), connection_, styles_);
    EXPECT_EQ(screen.objectName(), c.name);
    EXPECT_EQ(screen.windowTitle(), c.name);
    EXPECT_TRUE(screen.isWindow());

    auto* title = screen.findChild<QLabel*>("Label3");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), QString::fromUtf8(c.title));
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(title->font().pixelSize(), 16);
    EXPECT_EQ(title->pos(), QPoint(8, 8));

    auto* cauta = screen.findChild<QPushButton*>(c.cautaButton);
    ASSERT_NE(cauta, nullptr);
    EXPECT_EQ(cauta->text(), "Cauta");
    EXPECT_EQ(cauta->geometry(), QRect(8, 35, 75, 25));
    auto* preluare = screen.findChild<QPushButton*>("ButtonPreluareFisierCsv");
    ASSERT_NE(preluare, nullptr);
    EXPECT_EQ(preluare->text(), "Preluare fisier csv in VARNOK");
    EXPECT_EQ(cauta->nextInFocusChain(), preluare);
    auto* inchide = screen.findChild<QPushButton*>("ButtonInchidePanel");
    ASSERT_NE(inchide, nullptr);
    EXPECT_EQ(inchide->text(), "Inchide");

    auto* panel1 = screen.findChild<QWidget*>("Panel1");
    auto* panel2 = screen.findChild<QWidget*>("Panel2");
    ASSERT_NE(panel1, nullptr);
    ASSERT_NE(panel2, nullptr);
    EXPECT_EQ(preluare->parentWidget(), panel1);
    EXPECT_EQ(inchide->parentWidget(), panel2);
    EXPECT_EQ(screen.findChild<QWidget*>("dxSpreadSheet1")->parentWidget(), panel2);
    EXPECT_EQ(screen.findChild<QWidget*>("cxGrid1")->parentWidget(), panel1);
    EXPECT_FALSE(panel2->isVisibleTo(&screen));
    EXPECT_EQ(screen.dataGrid().model()->columnCount(), c.gridColumns);
    EXPECT_EQ(screen.dataGrid().model()->rowCount(), 0);  // nothing is fetched at start
    EXPECT_EQ(screen.viewQuery().name(), screen.params().statements->viewQueryName);
    EXPECT_EQ(screen.insertCommand().name(), screen.params().statements->functionName);
    EXPECT_EQ(&screen.viewQuery().connection(), &connection_);
}

TEST_P(ScreenLayoutTest, GridAndSpreadsheetKeepTheirDistancesToThePanelSides) {
    ImportScreen screen(GetParam().screen(), connection_, styles_);
    const DesignSizes& sizes = screen.params().sizes;
    screen.show();
    screen.panel2().show();
    QApplication::processEvents();
    EXPECT_EQ(screen.size(), sizes.clientArea);
    EXPECT_EQ(screen.panel2().height(), sizes.panel2Height);
    EXPECT_EQ(screen.dataGrid().geometry(), sizes.grid);
    EXPECT_EQ(screen.spreadsheet().geometry(), sizes.spreadsheet);

    screen.resize(sizes.clientArea + QSize(100, 50));
    QApplication::processEvents();
    EXPECT_EQ(screen.dataGrid().geometry(), sizes.grid.adjusted(0, 0, 100, 50));
    EXPECT_EQ(screen.spreadsheet().geometry(), sizes.spreadsheet.adjusted(0, 0, 100, 0));

    screen.panel2().hide();  // the upper panel takes the whole window
    QApplication::processEvents();
    EXPECT_EQ(screen.dataGrid().geometry(), sizes.grid.adjusted(0, 0, 100, 50 + sizes.panel2Height));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenLayoutTest,
    ::testing::Values(
        LayoutCase{allPaymentsScreen, "fAllPayments", "ButtonCauta", "All payments - extras bancar BNR", 31},
        LayoutCase{cashCallClientScreen, "fCashCallClient", "ButtonCauta", "Cash Call pentru client", 19},
        LayoutCase{cashCallDefEfsScreen, "fCashCallDefEfs", "Button1",
                   "Cash Call pentru fondurile de garantare ( tip tranzactie DEF) si Final Settlement (tip tranzactie EFS)",
                   17},
        LayoutCase{vmsPerformanceAgregatScreen, "fVmsPerformanceAgregat", "ButtonCauta", "Vms performance agregat", 12},
        LayoutCase{vmSettlementStatusPScreen, "fVmSettlementStatusP", "ButtonCauta", "Vm settlement status p", 19}));

}  // namespace
}  // namespace worvanta::import
