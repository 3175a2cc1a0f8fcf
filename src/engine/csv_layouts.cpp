#include <initializer_list>
#include <utility>

#include "engine/csv_layout.h"
#include "common/ascii_case.h"

namespace worvanta::engine {

namespace {

// Every message names the letter of the column whose header is compared, so
// the user is sent to the column that is actually wrong.
CsvLayout makeLayout(std::string name,
                     std::initializer_list<std::pair<const char*, const char*>> titleAndMember)
{
    CsvLayout layout{std::move(name), {}};
    char letter = 'A';
    for (const auto& [title, member] : titleAndMember) {
        CsvColumn column;
        column.letter = std::string(1, letter++);
        column.title = title;
        column.header = asciiLowered(title);
        column.message = " Coloana " + column.letter + " din fisier trebuie sa se numeasca \"" + title + "\"";
        column.member = member;
        layout.columns.push_back(std::move(column));
    }
    return layout;
}

}  // namespace

const CsvLayout& allPaymentsLayout()
{
    static const CsvLayout layout = makeLayout("all-payments", {
        {"ID", "id"},
        {"Settle Date", "settleDate"},
        {"UETR", "uetr"},
        {"Payment Reference", "paymentReference"},
        {"Payment ID", "paymentId"},
        {"Initiator", "initiator"},
        {"Direction", "direction"},
        {"Credit BIC", "creditBic"},
        {"Debit BIC", "debitBic"},
        {"TTC", "ttc"},
        {"RMTI", "rmti"},
        {"Amount", "amount"},
        {"Currency", "currency"},
        {"Settlement Status", "settlementStatus"},
        {"Creditor IBAN", "creditorIban"},
        {"Text", "text"},
        {"Processing Status", "processingStatus"},
        {"Update Type", "updateType"},
        {"Time", "time"},
        {"Market", "market"},
        {"Default Fund", "defaultFund"},
        {"Member ID", "memberId"},
        {"Bank", "bank"},
        {"External Collateral Account", "externalCollateralAccount"},
        {"Type", "type"},
    });
    return layout;
}

const CsvLayout& cashCallClientLayout()
{
    static const CsvLayout layout = makeLayout("cash-call-client", {
        {"ID", "id"},
        {"Transaction Time", "transactionTime"},
        {"Type", "type"},
        {"Account = External Collateral Account", "externalCollateralAccount"},
        {"Collateral Account", "collateralAccount"},
        {"Member ID", "memberId"},
        {"DFund ID", "dfundId"},
        {"Margin Requirement", "marginRequirement"},
        {"Collateral Balance", "collateralBalance"},
        {"Cash Call Amount", "cashCallAmount"},
        {"Cash Excess Amount", "cashExcessAmount"},
        {"Status", "status"},
        {"Market", "market"},
    });
    return layout;
}

const CsvLayout& cashCallDefEfsLayout()
{
    static const CsvLayout layout = makeLayout("cash-call-def-efs", {
        {"ID", "id"},
        {"Transaction Time", "transactionTime"},
        {"Account", "account"},
        {"BIC", "bic"},
        {"Type", "type"},
        {"Member ID", "memberId"},
        {"Amount", "amount"},
        {"Status", "status"},
        {"Reference", "reference"},
        {"Default Founds", "defaultFounds"},
        {"Market", "market"},
    });
    return layout;
}

const CsvLayout& vmsPerformanceAgregatLayout()
{
    static const CsvLayout layout = makeLayout("vms-performance-agregat", {
        {"Call Date", "callDate"},
        {"Type", "type"},
        {"DFund ID", "dfundId"},
        {"Amount", "amount"},
        {"Time", "time"},
        {"Market", "market"},
    });
    return layout;
}

const CsvLayout& vmSettlementStatusPLayout()
{
    static const CsvLayout layout = makeLayout("vm-settlement-status-p", {
        {"ID", "id"},
        {"Transaction Time", "transactionTime"},
        {"Account = External Collateral Account", "externalCollateralAccount"},
        {"Collateral Account", "collateralAccount"},
        {"Type", "type"},
        {"Member ID", "memberId"},
        {"DFund ID", "dfundId"},
        {"Amount", "amount"},
        {"Status", "status"},
        {"Time", "time"},
        {"Market", "market"},
        {"Debit Account", "debitAccount"},
        {"Credit Account", "creditAccount"},
    });
    return layout;
}

const std::vector<const CsvLayout*>& allLayouts()
{
    static const std::vector<const CsvLayout*> layouts = {
        &allPaymentsLayout(), &cashCallClientLayout(), &cashCallDefEfsLayout(),
        &vmsPerformanceAgregatLayout(), &vmSettlementStatusPLayout(),
    };
    return layouts;
}

const CsvLayout* layoutByName(std::string_view name)
{
    for (const CsvLayout* layout : allLayouts())
        if (layout->name == name)
            return layout;
    return nullptr;
}

}  // namespace worvanta::engine
