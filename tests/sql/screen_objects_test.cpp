// The five screens' views and import functions in the reference company
// database: what each stores, what it skips, and the columns its view gives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "company_session.h"
#include "payload_json.h"

namespace worvanta::sqltest {
namespace {

// PostgreSQL type oids of the kinds the screens' queries declare.
constexpr unsigned kBigint = 20, kText = 25, kFloat8 = 701, kVarchar = 1043, kDate = 1082, kTimestamp = 1114;

struct Field {
    const char* name;
    unsigned oid;
    int size;  // characters, for varchar
};

const std::vector<Field> kAccountingFields = {{"conts_db", kText, 0}, {"conta_db", kText, 0},
                                              {"conts_cr", kText, 0}, {"conta_cr", kText, 0},
                                              {"data_nota_c", kDate, 0}, {"data_ins_log", kTimestamp, 0}};

struct Screen {
    const char* function;
    const char* view;
    std::vector<Field> fields;  // the screen's fixed fields before the accounting ones
    Members first, second;      // two distinct rows
    const char* select;         // a few columns of the view, to compare with `stored`
    const char* filter;         // picks this test's rows in the view
    std::vector<std::string> stored;  // `select` of `first` and `second`, as text, comma-joined
};

void PrintTo(const Screen& s, std::ostream* os) { *os << s.function; }

const Screen kScreens[] = {
    {"o_ins_ccp_all_payments", "view_ccp_all_payments",
     {{"id", kBigint, 0}, {"settle_date", kDate, 0}, {"uetr", kVarchar, 36}, {"payment_reference", kVarchar, 35},
      {"payment_id", kVarchar, 35}, {"initiator", kVarchar, 11}, {"direction", kVarchar, 4},
      {"credit_bic", kVarchar, 11}, {"debit_bic", kVarchar, 11}, {"ttc", kVarchar, 3}, {"rmti", kVarchar, 140},
      {"amount", kFloat8, 0}, {"currency", kVarchar, 3}, {"settlement_status", kVarchar, 4},
      {"creditor_iban", kVarchar, 34}, {"py_text", kVarchar, 140}, {"processing_status", kVarchar, 4},
      {"update_type", kVarchar, 4}, {"py_time", kTimestamp, 0}, {"market", kVarchar, 2},
      {"default_fund_id", kVarchar, 10}, {"member_id", kVarchar, 10}, {"bank", kVarchar, 50},
      {"external_collateral_account", kVarchar, 20}, {"transaction_type", kVarchar, 3}},
     {{"id", "sqltest-p1"}, {"settleDate", "15.03.2024"}, {"amount", "1234,5"}, {"text", "Plata, marja"},
      {"time", "15.03.2024 13:45:00"}, {"defaultFund", "DF01"}, {"type", "CSH"}},
     {{"id", "sqltest-p2"}, {"settleDate", "3/16/2024"}, {"amount", "-2.25"}, {"time", "3/16/2024 1:00:00 PM"}},
     "settle_date, amount, py_text, py_time, default_fund_id, transaction_type", "file_id LIKE 'sqltest-%'",
     {"2024-03-15,1234.5,Plata, marja,2024-03-15 13:45:00,DF01,CSH",
      "2024-03-16,-2.25,,2024-03-16 13:00:00,,"}},
    {"o_ins_ccp_cash_call_client", "view_ccp_cash_call_client",
     {{"id", kBigint, 0}, {"transaction_time", kTimestamp, 0}, {"transaction_type", kVarchar, 3},
      {"external_collateral_account", kVarchar, 20}, {"collateral_account", kVarchar, 20},
      {"member_id", kVarchar, 10}, {"default_fund_id", kVarchar, 10}, {"margin_requirement", kFloat8, 0},
      {"collateral_balance", kFloat8, 0}, {"cash_call_amount", kFloat8, 0}, {"cash_excess_amount", kFloat8, 0},
      {"status", kVarchar, 1}, {"market", kVarchar, 2}},
     {{"id", "sqltest-c1"}, {"transactionTime", "15.03.2024 09:00:00"}, {"type", "CC"}, {"dfundId", "DF01"},
      {"marginRequirement", "100,5"}, {"cashCallAmount", "7"}, {"status", "P"}},
     {{"id", "sqltest-c2"}, {"transactionTime", "2024-03-15T10:00:00"}, {"collateralBalance", "1e3"}},
     "transaction_time, transaction_type, default_fund_id, margin_requirement, collateral_balance, "
     "cash_call_amount, status",
     "file_id LIKE 'sqltest-%'",
     {"2024-03-15 09:00:00,CC,DF01,100.5,,7,P", "2024-03-15 10:00:00,,,,1000,,"}},
    {"o_ins_ccp_cash_call_def_efs", "view_ccp_cash_call_def_efs",
     {{"id", kBigint, 0}, {"transaction_time", kTimestamp, 0}, {"account", kVarchar, 34}, {"bic", kVarchar, 11},
      {"transaction_type", kVarchar, 3}, {"member_id", kVarchar, 10}, {"amount", kFloat8, 0},
      {"status", kVarchar, 1}, {"transaction_reference", kVarchar, 100}, {"default_fund_id", kVarchar, 10},
      {"market", kVarchar, 2}},
     {{"id", "sqltest-d1"}, {"transactionTime", "15.03.2024 09:00:00"}, {"bic", "BTRLRO22XXX"}, {"type", "DEF"},
      {"amount", "500"}, {"reference", "REF, 1"}, {"defaultFounds", "DF02"}},
     {{"id", "sqltest-d2"}, {"transactionTime", "15.03.2024 09:00:01"}, {"type", "EFS"}},
     "transaction_time, bic, transaction_type, amount, transaction_reference, default_fund_id",
     "file_id LIKE 'sqltest-%'",
     {"2024-03-15 09:00:00,BTRLRO22XXX,DEF,500,REF, 1,DF02", "2024-03-15 09:00:01,,EFS,,,"}},
    {"o_ins_ccp_vms_performance_agregat", "view_ccp_vms_performance_agregat",
     {{"call_date", kDate, 0}, {"transaction_type", kVarchar, 3}, {"default_fund_id", kVarchar, 10},
      {"amount", kFloat8, 0}, {"vms_time", kTimestamp, 0}, {"market", kVarchar, 2}},
     {{"callDate", "15.03.2024"}, {"type", "VM"}, {"dfundId", "SQLTEST1"}, {"amount", "-10,5"},
      {"time", "15.03.2024 17:00:00"}, {"market", "BV"}},
     {{"callDate", "15.03.2024"}, {"dfundId", "SQLTEST1"}, {"market", "DR"}},
     "call_date, transaction_type, default_fund_id, amount, vms_time, market", "default_fund_id = 'SQLTEST1'",
     {"2024-03-15,VM,SQLTEST1,-10.5,2024-03-15 17:00:00,BV", "2024-03-15,,SQLTEST1,,,DR"}},
    {"o_ins_ccp_vm_settlement_status_p", "view_ccp_vm_settlement_status_p",
     {{"id", kBigint, 0}, {"transaction_time", kTimestamp, 0}, {"external_collateral_account", kVarchar, 20},
      {"collateral_account", kVarchar, 20}, {"transaction_type", kVarchar, 3}, {"member_id", kVarchar, 10},
      {"default_fund_id", kVarchar, 10}, {"amount", kFloat8, 0}, {"status", kVarchar, 1},
      {"vm_settlement_time", kTimestamp, 0}, {"market", kVarchar, 2}, {"debit_account", kVarchar, 20},
      {"credit_account", kVarchar, 20}},
     {{"id", "sqltest-s1"}, {"transactionTime", "15.03.2024 09:00:00"}, {"type", "VM"}, {"dfundId", "DF03"},
      {"amount", "12,75"}, {"status", "P"}, {"time", "15.03.2024 18:30:00"}, {"debitAccount", "RO01"}},
     {{"id", "sqltest-s2"}, {"transactionTime", "15.03.2024 09:00:00"}, {"creditAccount", "RO02"}},
     "transaction_time, transaction_type, default_fund_id, amount, status, vm_settlement_time, debit_account, "
     "credit_account",
     "file_id LIKE 'sqltest-%'",
     {"2024-03-15 09:00:00,VM,DF03,12.75,P,2024-03-15 18:30:00,RO01,",
      "2024-03-15 09:00:00,,,,,,,RO02"}},
};

std::vector<std::string> joinedRows(const Outcome& outcome) {
    std::vector<std::string> rows;
    for (const auto& row : outcome.rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i) line += (i ? "," : "") + row[i].value_or("");
        rows.push_back(line);
    }
    return rows;
}

class ScreenObjectsTest : public ::testing::TestWithParam<Screen> {};

TEST_P(ScreenObjectsTest, StoresRowsAndSkipsBlankAndRepeatedOnes) {
    const Screen& s = GetParam();
    CompanySession db;
    const Members blank;  // a blank line of the file: every member empty
    Members allEmpty;
    for (const auto& member : s.first) allEmpty.emplace_back(member.first, "");
    const Outcome first = db.callImport(s.function, payload({s.first, allEmpty, s.second, s.first, blank}));
    ASSERT_FALSE(first.error) << *first.error;
    EXPECT_EQ(first.value(), "2");

    const Outcome again = db.callImport(s.function, payload({s.second, s.first}));
    ASSERT_FALSE(again.error) << *again.error;
    EXPECT_EQ(again.value(), "0");

    const Outcome stored = db.run(std::string("SELECT ") + s.select + " FROM " + s.view + " WHERE " + s.filter +
                                  " ORDER BY data_ins_log, " + s.select);
    ASSERT_FALSE(stored.error) << *stored.error;
    EXPECT_EQ(joinedRows(stored), s.stored);
}

TEST_P(ScreenObjectsTest, EmptyPayloadStoresNothing) {
    const Screen& s = GetParam();
    CompanySession db;
    const Outcome call = db.callImport(s.function, "[]");
    ASSERT_FALSE(call.error) << *call.error;
    EXPECT_EQ(call.value(), "0");
}

TEST_P(ScreenObjectsTest, ViewGivesTheScreensFieldsWithTheirKinds) {
    const Screen& s = GetParam();
    CompanySession db;
    std::vector<Field> expected = s.fields;
    expected.insert(expected.end(), kAccountingFields.begin(), kAccountingFields.end());
    const auto columns = db.describe(std::string("SELECT * FROM ") + s.view + " LIMIT 0");
    ASSERT_GE(columns.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(columns[i].name, expected[i].name);
        EXPECT_EQ(columns[i].oid, expected[i].oid);
        if (expected[i].oid == kVarchar) {
            EXPECT_EQ(columns[i].typmod - 4, expected[i].size);
        }
    }
}

TEST_P(ScreenObjectsTest, ApplicationRoleReachesTheTableOnlyThroughTheFunction) {
    const Screen& s = GetParam();
    CompanySession db;
    const std::string table = std::string(s.view).substr(5);  // view_ccp_x -> ccp_x
    const Outcome insert = db.run("INSERT INTO " + table + " DEFAULT VALUES");
    ASSERT_TRUE(insert.error);
    EXPECT_NE(insert.error->find("permission denied"), std::string::npos) << *insert.error;
    const Outcome inner = db.run("SELECT " + table + "_insert('[]')");
    ASSERT_TRUE(inner.error);
    EXPECT_NE(inner.error->find("permission denied"), std::string::npos) << *inner.error;
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenObjectsTest, ::testing::ValuesIn(kScreens));

TEST(VmsPerformanceAgregat, RequiredMembersAreNamedWhenMissing) {
    struct Case {
        Members row;
        const char* message;
    };
    const Case cases[] = {
        {{{"callDate", ""}, {"dfundId", "SQLTEST1"}, {"market", "BV"}, {"amount", "1"}},
         "Lipseste valoarea pentru \"callDate\" in randul de date 1"},
        {{{"callDate", "15.03.2024"}, {"dfundId", ""}, {"market", "BV"}},
         "Lipseste valoarea pentru \"dfundId\" in randul de date 1"},
        {{{"callDate", "15.03.2024"}, {"dfundId", "SQLTEST1"}, {"type", "VM"}},
         "Lipseste valoarea pentru \"market\" in randul de date 1"},
    };
    CompanySession db;
    for (const auto& c : cases) {
        const Outcome call = db.callImport("o_ins_ccp_vms_performance_agregat", payload({c.row}));
        ASSERT_TRUE(call.error) << c.message;
        EXPECT_EQ(*call.error, c.message);
    }
}

TEST(ImportFunctions, MalformedPayloadIsRefused) {
    CompanySession db;
    for (const char* text : {"{\"id\":\"1\"}", "[{\"id\":\"1\"", "not json"}) {
        const Outcome call = db.callImport("o_ins_ccp_all_payments", text);
        EXPECT_TRUE(call.error) << text;
    }
}

}  // namespace
}  // namespace worvanta::sqltest
