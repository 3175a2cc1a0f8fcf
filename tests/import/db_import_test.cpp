// The import against a real company database.
#include <gtest/gtest.h>

#include <ostream>

#include <QPushButton>

#include "grid/data_grid.h"
#include "grid/grid_model.h"
#include "import/import_screen.h"
#include "import/spreadsheet_view.h"
#include "pg/command.h"
#include "pg/connection.h"
#include "pg/query.h"
#include "recording_prompter.h"
#include "screen_database.h"
#include "screen_files.h"
#include "support/test_db.h"
#include "ui/error_display.h"

namespace worvanta::import {
namespace {

using testing::kAllPaymentsHeader;
using testing::kVmsHeader;
using testing::ScreenDatabase;
using testing::ScreenFiles;
using worvanta::testing::RecordingPrompter;

const char* const kDone = "Fisierul Excel a fost preluat.";

std::string allPaymentsRow(const std::string& id, const std::string& amount = "1234.5") {
    return id + ",2024-01-15,uetr-" + id + ",PREF" + id + ",PID" + id +
           ",INIT,CRDT,BICAAAAA,BICBBBBB,TTC,\"rmti, with comma\"," + amount +
           ",RON,STL,RO49AAAA1B31007593840000,Plata,PROC,NEW,2024-01-15 10:30:00,RO,DF1,M01,Bank A,ECA1,PAY";
}

class ScreenWithDatabase {
public:
    explicit ScreenWithDatabase(const ScreenParams& params) {
        testdb::pointAt(connection, testdb::port(), database.name(), pg::SslMode::Prefer);
        connection.setDisconnected(true);
        screen = std::make_unique<ImportScreen>(params, connection, styles);
        screen->setRegionalSettings(engine::RegionalSettings::unitedStates());
    }

    void click(const char* button) { screen->findChild<QPushButton*>(button)->click(); }
    void importFile(const std::string& name, const std::string& content) {
        prompter.files.push_back(files.write(QString::fromStdString(name), content));
        click("ButtonPreluareFisierCsv");
    }
    QString lastError() const { return prompter.errors.empty() ? QString() : prompter.errors.back().text; }
    int gridRows() const { return screen->dataGrid().model()->rowCount(); }
    bool panelShown() const { return screen->panel2().isVisibleTo(screen.get()); }
    QString shown(int row, const std::string& field) const {
        const grid::GridColumns& columns = screen->params().gridColumns;
        for (std::size_t column = 0; column < columns.size(); ++column) {
            if (columns[column].field == field) {
                return screen->dataGrid().model()->index(row, static_cast<int>(column)).data().toString();
            }
        }
        ADD_FAILURE() << "no column " << field;
        return {};
    }

    ScreenDatabase database;
    RecordingPrompter prompter;
    ScreenFiles files;
    pg::Connection connection{"conVarnok"};
    grid::GridStyleSheet styles;
    std::unique_ptr<ImportScreen> screen;
};

class AllPaymentsDbTest : public ::testing::Test {
protected:
    ScreenWithDatabase s{allPaymentsScreen()};
    const std::string header = std::string(kAllPaymentsHeader) + "\n";
};

TEST_F(AllPaymentsDbTest, GateLiftsOnceCautaHasOpenedTheView) {
    s.click("ButtonPreluareFisierCsv");
    EXPECT_EQ(s.lastError(), "Apasati butonul \"Cauta\"");
    EXPECT_TRUE(s.prompter.dialogs.empty());
    s.click("ButtonCauta");
    EXPECT_TRUE(s.screen->viewQuery().isOpen());
    EXPECT_EQ(s.screen->dataGrid().recordCounterText(), "0 of 0");
    s.prompter.clear();
    s.click("ButtonPreluareFisierCsv");  // no file scripted: cancel
    EXPECT_EQ(s.prompter.dialogs.size(), 1u);
    EXPECT_EQ(s.lastError(), "Nu s-a ales nici un fisier...");
}

TEST_F(AllPaymentsDbTest, SuccessRefreshesTheGridAndSaysSo) {
    s.click("ButtonCauta");
    s.importFile("plati.CSV", header + allPaymentsRow("1001") + "\n" + allPaymentsRow("1002", "-7") + "\n");
    ASSERT_TRUE(s.prompter.errors.empty()) << s.lastError().toStdString();
    ASSERT_EQ(s.prompter.infos.size(), 1u);
    EXPECT_EQ(s.prompter.infos[0].text, kDone);
    EXPECT_EQ(s.prompter.infos[0].title, ui::applicationTitle());
    ASSERT_EQ(s.gridRows(), 2);
    EXPECT_EQ(s.screen->dataGrid().recordCounterText(), "1 of 2");
    EXPECT_EQ(s.shown(0, "uetr"), "uetr-1001");
    EXPECT_EQ(s.shown(0, "rmti"), "rmti, with comma");
    EXPECT_EQ(s.shown(0, "amount"), "1234.5");
    EXPECT_EQ(s.shown(1, "amount"), "-7");
    EXPECT_EQ(s.shown(0, "settle_date"), "2024-01-15");
    EXPECT_EQ(s.shown(0, "py_time"), "2024-01-15 10:30:00");
    EXPECT_EQ(s.shown(0, "transaction_type"), "PAY");
    EXPECT_EQ(s.shown(0, "data_ins_log").size(), 19);  // date editor: seconds, no fraction
    EXPECT_FALSE(s.panelShown());
    EXPECT_FALSE(s.screen->spreadsheet().isEmpty());  // the loaded file stays until the next import
}

TEST_F(AllPaymentsDbTest, ServerErrorIsWrappedShowsThePanelAndLeavesTheGrid) {
    s.click("ButtonCauta");
    // A row stored behind the screen's back: a refresh would show it.
    s.database.exec("INSERT INTO ccp_all_payments (file_id, py_time) VALUES ('other', localtimestamp)");
    s.importFile("plati.csv", header + allPaymentsRow("1001", "abc") + "\n");
    ASSERT_EQ(s.prompter.errors.size(), 1u);
    EXPECT_TRUE(s.lastError().startsWith("Err - ")) << s.lastError().toStdString();
    EXPECT_TRUE(s.lastError().contains("amount")) << s.lastError().toStdString();
    EXPECT_TRUE(s.panelShown());
    EXPECT_TRUE(s.prompter.infos.empty());
    EXPECT_EQ(s.gridRows(), 0);
    EXPECT_EQ(s.database.scalar("SELECT count(*) FROM ccp_all_payments WHERE file_id = '1001'"), "0");
}

TEST_F(AllPaymentsDbTest, TwoImportsInARowBothReachTheServer) {
    s.click("ButtonCauta");
    s.importFile("a.csv", header + allPaymentsRow("1") + "\n");
    s.importFile("b.csv", header + allPaymentsRow("2") + "\n");
    EXPECT_TRUE(s.prompter.errors.empty()) << s.lastError().toStdString();
    EXPECT_EQ(s.prompter.infos.size(), 2u);
    EXPECT_EQ(s.gridRows(), 2);
}

TEST_F(AllPaymentsDbTest, HeaderOnlyFileSendsAnEmptyArrayAndSucceeds) {
    s.click("ButtonCauta");
    s.database.exec("INSERT INTO ccp_all_payments (file_id, py_time) VALUES ('other', localtimestamp)");
    s.importFile("empty.csv", header + "\n\n");
    EXPECT_TRUE(s.prompter.errors.empty()) << s.lastError().toStdString();
    EXPECT_EQ(s.prompter.infos.size(), 1u);
    EXPECT_EQ(s.gridRows(), 1);  // refreshed
}

TEST_F(AllPaymentsDbTest, SuccessAfterAFailureLeavesThePanelShown) {
    s.click("ButtonCauta");
    s.importFile("bad.csv", "ID,Settle Day\n");
    ASSERT_TRUE(s.panelShown());
    s.importFile("good.csv", header + allPaymentsRow("9") + "\n");
    EXPECT_EQ(s.prompter.infos.size(), 1u);
    EXPECT_TRUE(s.panelShown());
    EXPECT_EQ(s.screen->spreadsheet().model()->rowCount(), 2);  // the good file now
    s.click("ButtonInchidePanel");
    EXPECT_FALSE(s.panelShown());
    EXPECT_TRUE(s.screen->spreadsheet().isEmpty());
    EXPECT_EQ(s.gridRows(), 1);  // the view keeps its rows
}

TEST_F(AllPaymentsDbTest, CautaRefreshesAnOpenView) {
    s.click("ButtonCauta");
    EXPECT_EQ(s.gridRows(), 0);
    s.database.exec("INSERT INTO ccp_all_payments (file_id, py_time, uetr) VALUES ('x', localtimestamp, 'U1')");
    s.click("ButtonCauta");
    ASSERT_EQ(s.gridRows(), 1);
    EXPECT_EQ(s.shown(0, "uetr"), "U1");
}

class VmsDbTest : public ::testing::Test {
protected:
    ScreenWithDatabase s{vmsPerformanceAgregatScreen()};
    const std::string header = std::string(kVmsHeader) + "\n";
};

TEST_F(VmsDbTest, ImportWithoutCautaOpensTheViewAtItsEnd) {
    s.importFile("vms.csv", header + "2024-04-01,VMS,DF4,10.75,2024-04-01 17:00:00,RO\n");
    ASSERT_TRUE(s.prompter.errors.empty()) << s.lastError().toStdString();
    EXPECT_EQ(s.prompter.infos.size(), 1u);
    EXPECT_TRUE(s.screen->viewQuery().isOpen());
    ASSERT_EQ(s.gridRows(), 1);
    EXPECT_EQ(s.shown(0, "default_fund_id"), "DF4");
}

TEST_F(VmsDbTest, ServerErrorKeepsTheViewClosed) {
    s.importFile("vms.csv", header + "2024-04-01,VMS,DF4,lots,2024-04-01 17:00:00,RO\n");
    ASSERT_EQ(s.prompter.errors.size(), 1u);
    EXPECT_TRUE(s.lastError().startsWith("Err - ")) << s.lastError().toStdString();
    EXPECT_TRUE(s.panelShown());
    EXPECT_FALSE(s.screen->viewQuery().isOpen());
    EXPECT_TRUE(s.prompter.infos.empty());
}

// Every screen: a small file goes in and its values come back through the view.
struct RoundTripCase {
    const ScreenParams& (*screen)();
    const char* cautaButton;
    std::string file;
    std::vector<std::pair<std::string, std::string>> shown;  // field, text in the first row
};

// Names the case in test output.
void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.screen().instanceName; }

class RoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, FileRowsComeBackThroughTheView) {
    const RoundTripCase& c = GetParam();
    ScreenWithDatabase s(c.screen());
    s.click(c.cautaButton);
    s.importFile("sample.csv", c.file);
    ASSERT_TRUE(s.prompter.errors.empty()) << s.lastError().toStdString();
    ASSERT_EQ(s.prompter.infos.size(), 1u);
    ASSERT_EQ(s.gridRows(), 2);
    for (const auto& [field, text] : c.shown) EXPECT_EQ(s.shown(0, field), QString::fromStdString(text)) << field;
    // The same file again adds nothing: its rows are already stored.
    s.importFile("sample.csv", c.file);
    EXPECT_EQ(s.gridRows(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, RoundTripTest,
    ::testing::Values(
        RoundTripCase{allPaymentsScreen, "ButtonCauta",
                      std::string(kAllPaymentsHeader) + "\n" + allPaymentsRow("11") + "\n" + allPaymentsRow("12") + "\n",
                      {{"payment_id", "PID11"}, {"creditor_iban", "RO49AAAA1B31007593840000"}, {"default_fund_id", "DF1"}}},
        RoundTripCase{cashCallClientScreen, "ButtonCauta",
                      "ID,Transaction Time,Type,Account = External Collateral Account,Collateral Account,Member ID,"
                      "DFund ID,Margin Requirement,Collateral Balance,Cash Call Amount,Cash Excess Amount,Status,Market\n"
                      "2001,2024-02-01 09:00:00,CCL,ECA2,CA2,M02,DF2,100.25,200,50,0,A,RO\n"
                      "2002,2024-02-01 09:05:00,CCL,ECA2,CA2,M02,DF2,1,2,3,4,B,RO\n",
                      {{"transaction_time", "2024-02-01 09:00:00"}, {"external_collateral_account", "ECA2"},
                       {"margin_requirement", "100.25"}, {"default_fund_id", "DF2"}, {"status", "A"}}},
        RoundTripCase{cashCallDefEfsScreen, "Button1",
                      "ID,Transaction Time,Account,BIC,Type,Member ID,Amount,Status,Reference,Default Founds,Market\n"
                      "3001,2024-03-01 08:15:00,ACC3,BICCCCCC,DEF,M03,-75.5,P,REF-3,DF3,RO\n"
                      "3002,2024-03-01 08:16:00,ACC3,BICCCCCC,EFS,M03,1,P,REF-4,DF3,RO\n",
                      {{"transaction_reference", "REF-3"}, {"default_fund_id", "DF3"}, {"amount", "-75.5"},
                       {"transaction_type", "DEF"}, {"bic", "BICCCCCC"}}},
        RoundTripCase{vmsPerformanceAgregatScreen, "ButtonCauta",
                      std::string(kVmsHeader) + "\n2024-04-01,VMS,DF4,10.75,2024-04-01 17:00:00,RO\n"
                                                "2024-04-02,VMS,DF4,1,2024-04-02 17:00:00,RO\n",
                      {{"call_date", "2024-04-01"}, {"default_fund_id", "DF4"}, {"amount", "10.75"},
                       {"vms_time", "2024-04-01 17:00:00"}, {"market", "RO"}}},
        RoundTripCase{vmSettlementStatusPScreen, "ButtonCauta",
                      "ID,Transaction Time,Account = External Collateral Account,Collateral Account,Type,Member ID,"
                      "DFund ID,Amount,Status,Time,Market,Debit Account,Credit Account\n"
                      "5001,2024-05-01 12:00:00,ECA5,CA5,VMS,M05,DF5,99.5,S,2024-05-01 12:05:00,RO,DA5,CA5X\n"
                      "5002,2024-05-01 12:01:00,ECA5,CA5,VMS,M05,DF5,1,S,2024-05-01 12:06:00,RO,DA5,CA5X\n",
                      {{"vm_settlement_time", "2024-05-01 12:05:00"}, {"debit_account", "DA5"},
                       {"credit_account", "CA5X"}, {"amount", "99.5"}, {"external_collateral_account", "ECA5"}}}));

}  // namespace
}  // namespace worvanta::import

namespace worvanta::import {
namespace {

// The shipped sample files, read under both regional settings the program
// meets: every data row arrives and comes back through the view.
struct SampleCase {
    const ScreenParams& (*screen)();
    const char* cautaButton;
    const char* file;
    bool romanian;
};

void PrintTo(const SampleCase& c, std::ostream* os) {
    *os << c.screen().instanceName << (c.romanian ? " ro" : " us");
}

class SampleImportTest : public ::testing::TestWithParam<SampleCase> {};

TEST_P(SampleImportTest, EveryRowOfTheSampleIsStoredAndShown) {
    const SampleCase& c = GetParam();
    ScreenWithDatabase s(c.screen());
    s.screen->setRegionalSettings(c.romanian ? engine::RegionalSettings::romanian()
                                             : engine::RegionalSettings::unitedStates());
    s.click(c.cautaButton);
    s.prompter.files.push_back(QString::fromUtf8(WORVANTA_SAMPLES_DIR "/") + c.file);
    s.click("ButtonPreluareFisierCsv");
    ASSERT_TRUE(s.prompter.errors.empty()) << s.lastError().toStdString();
    ASSERT_EQ(s.prompter.infos.size(), 1u);
    const int dataRows = static_cast<int>(s.screen->spreadsheet().model()->rowCount()) - 1;
    EXPECT_GT(dataRows, 0);
    EXPECT_EQ(s.gridRows(), dataRows);
    EXPECT_EQ(s.database.scalar("SELECT count(*) FROM " + c.screen().statements->viewName),
              std::to_string(dataRows));
}

INSTANTIATE_TEST_SUITE_P(
    Samples, SampleImportTest,
    ::testing::Values(SampleCase{allPaymentsScreen, "ButtonCauta", "all-payments.csv", false},
                      SampleCase{allPaymentsScreen, "ButtonCauta", "all-payments.csv", true},
                      SampleCase{cashCallClientScreen, "ButtonCauta", "cash-call-client.csv", false},
                      SampleCase{cashCallClientScreen, "ButtonCauta", "cash-call-client.csv", true},
                      SampleCase{cashCallDefEfsScreen, "Button1", "cash-call-def-efs.csv", false},
                      SampleCase{cashCallDefEfsScreen, "Button1", "cash-call-def-efs.csv", true},
                      SampleCase{vmsPerformanceAgregatScreen, "ButtonCauta", "vms-performance-agregat.csv", false},
                      SampleCase{vmsPerformanceAgregatScreen, "ButtonCauta", "vms-performance-agregat.csv", true},
                      SampleCase{vmSettlementStatusPScreen, "ButtonCauta", "vm-settlement-status-p.csv", false},
                      SampleCase{vmSettlementStatusPScreen, "ButtonCauta", "vm-settlement-status-p.csv", true}));

}  // namespace
}  // namespace worvanta::import
