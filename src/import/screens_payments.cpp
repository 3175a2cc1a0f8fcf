// The all-payments and cash-call screens.
#include "import/screen_params.h"

namespace worvanta::import {
namespace {
constexpr auto Editor = grid::ColumnDisplay::DateTimeEditor;
}

const ScreenParams& allPaymentsScreen() {
    static const ScreenParams params = [] {
        ScreenParams p;
        p.formClassName = "TfAllPayments";
        p.instanceName = "fAllPayments";
        p.titleText = "All payments - extras bancar BNR";
        p.statements = &db::allPaymentsStatements();
        p.gridColumns = gridColumnsFor(
            p.statements->viewFields,
            {{"id", 50}, {"settle_date", 78}, {"uetr", 168}, {"payment_reference", 119}, {"payment_id", 144},
             {"initiator", 100}, {"direction", 63}, {"credit_bic", 95}, {"debit_bic", 95}, {"ttc", 30},
             {"rmti", 169}, {"amount", 100}, {"currency", 63}, {"settlement_status", 113},
             {"creditor_iban", 146}, {"py_text", 157}, {"processing_status", 115}, {"update_type", 85},
             {"py_time", 110, Editor}, {"market", 54}, {"default_fund_id", 100}, {"member_id", 78},
             {"bank", 57}, {"external_collateral_account", 167}, {"transaction_type", 106},
             {"conts_db", 65}, {"conta_db", 65}, {"conts_cr", 65}, {"conta_cr", 65}, {"data_nota_c", 80},
             {"data_ins_log", 110, Editor}});
        p.layout = &engine::allPaymentsLayout();
        p.gate = true;
        p.cautaButtonName = "ButtonCauta";
        p.sizes = {QSize(1284, 711), 279, QRect(8, 35, 75, 25), QRect(92, 35, 169, 25),
                   QRect(8, 70, 1268, 360), QRect(8, 4, 75, 26), QRect(8, 35, 1268, 237)};
        return p;
    }();
    return params;
}

const ScreenParams& cashCallClientScreen() {
    static const ScreenParams params = [] {
        ScreenParams p;
        p.formClassName = "TfCashCallClient";
        p.instanceName = "fCashCallClient";
        p.titleText = "Cash Call pentru client";
        p.statements = &db::cashCallClientStatements();
        p.gridColumns = gridColumnsFor(
            p.statements->viewFields,
            {{"id", 50}, {"transaction_time", 110, Editor}, {"transaction_type", 109},
             {"external_collateral_account", 166}, {"collateral_account", 120}, {"member_id", 74},
             {"default_fund_id", 100}, {"margin_requirement", 122}, {"collateral_balance", 122},
             {"cash_call_amount", 115}, {"cash_excess_amount", 134}, {"status", 47}, {"market", 54},
             {"conts_db", 65}, {"conta_db", 65}, {"conts_cr", 65}, {"conta_cr", 65}, {"data_nota_c", 85},
             {"data_ins_log", 110, Editor}});
        p.layout = &engine::cashCallClientLayout();
        p.gate = true;
        p.cautaButtonName = "ButtonCauta";
        p.sizes = {QSize(1316, 711), 280, QRect(8, 35, 75, 25), QRect(96, 35, 161, 25),
                   QRect(8, 67, 1300, 358), QRect(8, 3, 75, 26), QRect(8, 35, 1300, 243)};
        return p;
    }();
    return params;
}

const ScreenParams& cashCallDefEfsScreen() {
    static const ScreenParams params = [] {
        ScreenParams p;
        p.formClassName = "TfCashCallDefEfs";
        p.instanceName = "fCashCallDefEfs";
        p.titleText =
            "Cash Call pentru fondurile de garantare ( tip tranzactie DEF) si Final Settlement (tip tranzactie EFS)";
        p.statements = &db::cashCallDefEfsStatements();
        p.gridColumns = gridColumnsFor(
            p.statements->viewFields,
            {{"id", 50}, {"transaction_time", 110, Editor}, {"account", 87}, {"bic", 90},
             {"transaction_type", 108}, {"member_id", 75}, {"amount", 100}, {"status", 48},
             {"transaction_reference", 142}, {"default_fund_id", 100}, {"market", 51}, {"conts_db", 65},
             {"conta_db", 65}, {"conts_cr", 65}, {"conta_cr", 65}, {"data_nota_c", 80},
             {"data_ins_log", 110, Editor}});
        p.layout = &engine::cashCallDefEfsLayout();
        p.gate = true;
        p.cautaButtonName = "Button1";
        p.sizes = {QSize(1243, 711), 280, QRect(8, 35, 75, 25), QRect(96, 35, 161, 25),
                   QRect(8, 66, 1227, 359), QRect(8, 3, 75, 26), QRect(8, 34, 1227, 243)};
        return p;
    }();
    return params;
}

}  // namespace worvanta::import
