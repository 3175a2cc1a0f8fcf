#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <iterator>

#include "common/ascii_case.h"
#include "db/import_statements.h"
#include "import/file_extension.h"
#include "import/screen_params.h"

namespace worvanta::import {
namespace {

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + lines[i];
    return text;
}

struct StatementCase {
    const ScreenParams& (*screen)();
    std::vector<std::string> viewLines;
    const char* insertStatement;
    const char* lookedUp;
    const char* queryName;
    const char* dataSource;
    const char* view;
    const char* dataInsLogAfter;  // the field declared just before data_ins_log
};

// Names the case in test output.
void PrintTo(const StatementCase& c, std::ostream* os) { *os << c.screen().instanceName; }

class ScreenStatementsTest : public ::testing::TestWithParam<StatementCase> {};

TEST_P(ScreenStatementsTest, StatementsAreExactlyAsDesignedLineByLine) {
    const StatementCase& c = GetParam();
    const db::ImportStatements& s = *c.screen().statements;
    EXPECT_EQ(s.viewStatement, joinLines(c.viewLines));
    EXPECT_EQ(s.insertStatement, c.insertStatement);
    EXPECT_EQ(s.parameterLookedUp, c.lookedUp);
    EXPECT_EQ(s.viewQueryName, c.queryName);
    EXPECT_EQ(s.dataSourceName, c.dataSource);
    EXPECT_EQ(s.viewName, c.view);
    // The command is named after its function; the statement calls it with
    // the parameter as declared, in lower case.
    EXPECT_EQ(s.insertStatement, "SELECT * FROM " + s.functionName + "(:" + s.parameterDeclared + ")");
    EXPECT_EQ(s.parameterDeclared, worvanta::asciiLowered(c.lookedUp));
    EXPECT_NE(s.viewStatement.find(s.viewName), std::string::npos);
}

TEST_P(ScreenStatementsTest, EveryGridColumnHasItsFieldAndEveryFieldItsColumn) {
    const ScreenParams& p = GetParam().screen();
    const pg::FieldDefs& fields = p.statements->viewFields;
    ASSERT_EQ(p.gridColumns.size(), fields.size());
    for (const grid::GridColumn& column : p.gridColumns) {
        const auto field = std::find_if(fields.begin(), fields.end(), [&](const pg::FieldDef& f) { return f.name == column.field; });
        ASSERT_NE(field, fields.end()) << column.field;
        EXPECT_EQ(field->kind, column.kind) << column.field;
    }
    // Declared in grid order, but for data_ins_log ahead of the accounting columns.
    const auto log = std::find_if(fields.begin(), fields.end(), [](const pg::FieldDef& f) { return f.name == "data_ins_log"; });
    ASSERT_NE(log, fields.begin());
    EXPECT_EQ(std::prev(log)->name, GetParam().dataInsLogAfter);
    EXPECT_EQ(std::next(log)->name, "conts_db");
    EXPECT_EQ(p.gridColumns.back().field, "data_ins_log");
    EXPECT_TRUE(log->required);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenStatementsTest,
    ::testing::Values(
        StatementCase{allPaymentsScreen,
                      {"select * ", "from view_ccp_all_payments", "order by id,", "         settle_date", ";"},
                      "SELECT * FROM o_ins_ccp_all_payments(:pjsonallpayments)", "pJsonAllPayments",
                      "dsCcpAllPayments", "dsouCcpAllPayments", "view_ccp_all_payments", "transaction_type"},
        StatementCase{cashCallClientScreen,
                      {"select * ", "from view_ccp_cash_call_client", "order by id,", "         transaction_time,",
                       "         transaction_type", ";"},
                      "SELECT * FROM o_ins_ccp_cash_call_client(:pjsoncashcallclient)", "pJsonCashCallClient",
                      "dsCcpCashCallClient", "dsouCcpCashCallClient", "view_ccp_cash_call_client", "market"},
        StatementCase{cashCallDefEfsScreen,
                      {"select *", "from view_ccp_cash_call_def_efs", "order by id,", "         transaction_time,",
                       "         transaction_type", ";", ""},
                      "SELECT * FROM o_ins_ccp_cash_call_def_efs(:pjsoncashcalldefefs)", "pJsonCashCallDefEfs",
                      "dsCcpCashCallDefEfs", "dsouCcpCashCallDefEfs", "view_ccp_cash_call_def_efs", "market"},
        StatementCase{vmsPerformanceAgregatScreen,
                      {"select * ", "from view_ccp_vms_performance_agregat", "order by call_date, ",
                       "         default_fund_id, ", "         market", ";"},
                      "SELECT * FROM o_ins_ccp_vms_performance_agregat(:pjsonvmsperformanceagregat)",
                      "pJsonVmsPerformanceAgregat", "dsCcpVmsPerformanceAgregat", "dsouCcpVmsPerformanceAgregat",
                      "view_ccp_vms_performance_agregat", "market"},
        StatementCase{vmSettlementStatusPScreen,
                      {"select *", "from view_ccp_vm_settlement_status_p", "order by id,  ", "         transaction_time",
                       "        ", ";"},
                      "SELECT * FROM o_ins_ccp_vm_settlement_status_p(:pjsonvmsettlementstatusp)",
                      "pJsonVmSettlementStatusP", "dsCcpVmSettlementStatusP", "dsouCcpVmSettlementStatusP",
                      "view_ccp_vm_settlement_status_p", "credit_account"}));

}  // namespace
}  // namespace worvanta::import
