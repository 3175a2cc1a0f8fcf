// The two variation-margin screens.
#include "import/screen_params.h"

namespace worvanta::import {
namespace {
constexpr auto Editor = grid::ColumnDisplay::DateTimeEditor;
}

const ScreenParams& vmsPerformanceAgregatScreen() {
    static const ScreenParams params = [] {
        ScreenParams p;
        p.formClassName = "TfVmsPerformanceAgregat";
        p.instanceName = "fVmsPerformanceAgregat";
        p.titleText = "Vms performance agregat";
        p.statements = &db::vmsPerformanceAgregatStatements();
        // No date editors here: every column shows its kind's usual form.
        p.gridColumns = gridColumnsFor(
            p.statements->viewFields,
            {{"call_date", 100}, {"transaction_type", 106}, {"default_fund_id", 109}, {"amount", 100},
             {"vms_time", 109}, {"market", 79}, {"conts_db", 65}, {"conta_db", 65}, {"conts_cr", 65},
             {"conta_cr", 65}, {"data_nota_c", 80}, {"data_ins_log", 126}});
        p.layout = &engine::vmsPerformanceAgregatLayout();
        p.gate = false;
        p.cautaButtonName = "ButtonCauta";
        p.sizes = {QSize(1115, 554), 194, QRect(8, 35, 75, 25), QRect(96, 35, 169, 25),
                   QRect(8, 66, 1099, 288), QRect(8, 4, 75, 26), QRect(8, 36, 1099, 151)};
        return p;
    }();
    return params;
}

const ScreenParams& vmSettlementStatusPScreen() {
    static const ScreenParams params = [] {
        ScreenParams p;
        p.formClassName = "TfVmSettlementStatusP";
        p.instanceName = "fVmSettlementStatusP";
        p.titleText = "Vm settlement status p";
        p.statements = &db::vmSettlementStatusPStatements();
        p.gridColumns = gridColumnsFor(
            p.statements->viewFields,
            {{"id", 50}, {"transaction_time", 110, Editor}, {"external_collateral_account", 171},
             {"collateral_account", 125}, {"transaction_type", 108}, {"member_id", 77},
             {"default_fund_id", 100}, {"amount", 100}, {"status", 52}, {"vm_settlement_time", 120, Editor},
             {"market", 52}, {"debit_account", 115}, {"credit_account", 115}, {"conts_db", 65},
             {"conta_db", 65}, {"conts_cr", 65}, {"conta_cr", 65}, {"data_nota_c", 80},
             {"data_ins_log", 110, Editor}});
        p.layout = &engine::vmSettlementStatusPLayout();
        p.gate = true;
        p.cautaButtonName = "ButtonCauta";
        p.sizes = {QSize(1284, 711), 242, QRect(8, 35, 75, 25), QRect(96, 35, 169, 25),
                   QRect(8, 66, 1268, 397), QRect(8, 6, 75, 26), QRect(8, 38, 1268, 198)};
        return p;
    }();
    return params;
}

}  // namespace worvanta::import
