#include "db/import_statements.h"

namespace worvanta::db {
namespace {

using pg::FieldDef;
using pg::FieldKind;

FieldDef memo(const char* name) { return {name, FieldKind::Memo, 0, false}; }
FieldDef text(const char* name, int size) { return {name, FieldKind::Text, size, false}; }
FieldDef required(FieldDef field) {
    field.required = true;
    return field;
}
const FieldDef kDataInsLog{"data_ins_log", FieldKind::DateTime, 0, true};

// The accounting columns that only the database fills, last on every view.
void appendAccounting(pg::FieldDefs& fields) {
    for (const char* name : {"conts_db", "conta_db", "conts_cr", "conta_cr"}) fields.push_back(memo(name));
    fields.push_back({"data_nota_c", FieldKind::Date, 0, false});
}

}  // namespace

const ImportStatements& allPaymentsStatements() {
    static const ImportStatements statements = [] {
        ImportStatements s;
        s.viewQueryName = "dsCcpAllPayments";
        s.viewName = "view_ccp_all_payments";
        s.viewStatement =
            "select * \n"
            "from view_ccp_all_payments\n"
            "order by id,\n"
            "         settle_date\n"
            ";";
        s.viewFields = {
            {"id", FieldKind::BigInt, 0, true},
            {"settle_date", FieldKind::Date, 0, false},
            text("uetr", 36),
            text("payment_reference", 35),
            text("payment_id", 35),
            text("initiator", 11),
            text("direction", 4),
            text("credit_bic", 11),
            text("debit_bic", 11),
            text("ttc", 3),
            text("rmti", 140),
            {"amount", FieldKind::Float, 0, false},
            text("currency", 3),
            text("settlement_status", 4),
            text("creditor_iban", 34),
            text("py_text", 140),
            text("processing_status", 4),
            text("update_type", 4),
            {"py_time", FieldKind::DateTime, 0, false},
            text("market", 2),
            text("default_fund_id", 10),
            text("member_id", 10),
            text("bank", 50),
            text("external_collateral_account", 20),
            text("transaction_type", 3),
            kDataInsLog,
        };
        appendAccounting(s.viewFields);
        s.dataSourceName = "dsouCcpAllPayments";
        s.functionName = "o_ins_ccp_all_payments";
        s.insertStatement = "SELECT * FROM o_ins_ccp_all_payments(:pjsonallpayments)";
        s.parameterDeclared = "pjsonallpayments";
        s.parameterLookedUp = "pJsonAllPayments";
        return s;
    }();
    return statements;
}

const ImportStatements& cashCallClientStatements() {
    static const ImportStatements statements = [] {
        ImportStatements s;
        s.viewQueryName = "dsCcpCashCallClient";
        s.viewName = "view_ccp_cash_call_client";
        s.viewStatement =
            "select * \n"
            "from view_ccp_cash_call_client\n"
            "order by id,\n"
            "         transaction_time,\n"
            "         transaction_type\n"
            ";";
        s.viewFields = {
            {"id", FieldKind::BigInt, 0, true},
            {"transaction_time", FieldKind::DateTime, 0, false},
            text("transaction_type", 3),
            text("external_collateral_account", 20),
            text("collateral_account", 20),
            text("member_id", 10),
            text("default_fund_id", 10),
            {"margin_requirement", FieldKind::Float, 0, false},
            {"collateral_balance", FieldKind::Float, 0, false},
            {"cash_call_amount", FieldKind::Float, 0, false},
            {"cash_excess_amount", FieldKind::Float, 0, false},
            text("status", 1),
            text("market", 2),
            kDataInsLog,
        };
        appendAccounting(s.viewFields);
        s.dataSourceName = "dsouCcpCashCallClient";
        s.functionName = "o_ins_ccp_cash_call_client";
        s.insertStatement = "SELECT * FROM o_ins_ccp_cash_call_client(:pjsoncashcallclient)";
        s.parameterDeclared = "pjsoncashcallclient";
        s.parameterLookedUp = "pJsonCashCallClient";
        return s;
    }();
    return statements;
}

const ImportStatements& cashCallDefEfsStatements() {
    static const ImportStatements statements = [] {
        ImportStatements s;
        s.viewQueryName = "dsCcpCashCallDefEfs";
        s.viewName = "view_ccp_cash_call_def_efs";
        s.viewStatement =
            "select *\n"
            "from view_ccp_cash_call_def_efs\n"
            "order by id,\n"
            "         transaction_time,\n"
            "         transaction_type\n"
            ";\n";
        s.viewFields = {
            {"id", FieldKind::BigInt, 0, true},
            {"transaction_time", FieldKind::DateTime, 0, false},
            text("account", 20),
            text("bic", 11),
            text("transaction_type", 3),
            text("member_id", 10),
            {"amount", FieldKind::Float, 0, false},
            text("status", 1),
            text("transaction_reference", 100),
            text("default_fund_id", 10),
            text("market", 2),
            kDataInsLog,
        };
        appendAccounting(s.viewFields);
        s.dataSourceName = "dsouCcpCashCallDefEfs";
        s.functionName = "o_ins_ccp_cash_call_def_efs";
        s.insertStatement = "SELECT * FROM o_ins_ccp_cash_call_def_efs(:pjsoncashcalldefefs)";
        s.parameterDeclared = "pjsoncashcalldefefs";
        s.parameterLookedUp = "pJsonCashCallDefEfs";
        return s;
    }();
    return statements;
}

const ImportStatements& vmsPerformanceAgregatStatements() {
    static const ImportStatements statements = [] {
        ImportStatements s;
        s.viewQueryName = "dsCcpVmsPerformanceAgregat";
        s.viewName = "view_ccp_vms_performance_agregat";
        s.viewStatement =
            "select * \n"
            "from view_ccp_vms_performance_agregat\n"
            "order by call_date, \n"
            "         default_fund_id, \n"
            "         market\n"
            ";";
        s.viewFields = {
            {"call_date", FieldKind::Date, 0, true},
            text("transaction_type", 3),
            required(text("default_fund_id", 10)),
            {"amount", FieldKind::Float, 0, false},
            {"vms_time", FieldKind::DateTime, 0, false},
            required(text("market", 2)),
            kDataInsLog,
        };
        appendAccounting(s.viewFields);
        s.dataSourceName = "dsouCcpVmsPerformanceAgregat";
        s.functionName = "o_ins_ccp_vms_performance_agregat";
        s.insertStatement = "SELECT * FROM o_ins_ccp_vms_performance_agregat(:pjsonvmsperformanceagregat)";
        s.parameterDeclared = "pjsonvmsperformanceagregat";
        s.parameterLookedUp = "pJsonVmsPerformanceAgregat";
        return s;
    }();
    return statements;
}

const ImportStatements& vmSettlementStatusPStatements() {
    static const ImportStatements statements = [] {
        ImportStatements s;
        s.viewQueryName = "dsCcpVmSettlementStatusP";
        s.viewName = "view_ccp_vm_settlement_status_p";
        s.viewStatement =
            "select *\n"
            "from view_ccp_vm_settlement_status_p\n"
            "order by id,  \n"
            "         transaction_time\n"
            "        \n"
            ";";
        s.viewFields = {
            {"id", FieldKind::BigInt, 0, true},
            {"transaction_time", FieldKind::DateTime, 0, false},
            text("external_collateral_account", 20),
            text("collateral_account", 20),
            text("transaction_type", 3),
            text("member_id", 10),
            text("default_fund_id", 10),
            {"amount", FieldKind::Float, 0, false},
            text("status", 1),
            {"vm_settlement_time", FieldKind::DateTime, 0, false},
            text("market", 2),
            text("debit_account", 20),
            text("credit_account", 20),
            kDataInsLog,
        };
        appendAccounting(s.viewFields);
        s.dataSourceName = "dsouCcpVmSettlementStatusP";
        s.functionName = "o_ins_ccp_vm_settlement_status_p";
        s.insertStatement = "SELECT * FROM o_ins_ccp_vm_settlement_status_p(:pjsonvmsettlementstatusp)";
        s.parameterDeclared = "pjsonvmsettlementstatusp";
        s.parameterLookedUp = "pJsonVmSettlementStatusP";
        return s;
    }();
    return statements;
}

}  // namespace worvanta::db
