#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace worvanta::engine {

// One column of a clearing file: its letter, the header as the file shows it,
// the header as compared (lower case), the message raised when the header
// differs, and its payload member.
struct CsvColumn {
    std::string letter;
    std::string title;
    std::string header;
    std::string message;
    std::string member;
};

struct CsvLayout {
    std::string name;  // command-line name, e.g. "all-payments"
    std::vector<CsvColumn> columns;
};

const CsvLayout& allPaymentsLayout();
const CsvLayout& cashCallClientLayout();
const CsvLayout& cashCallDefEfsLayout();
const CsvLayout& vmsPerformanceAgregatLayout();
const CsvLayout& vmSettlementStatusPLayout();
// The five layouts, in the order of the names above.
const std::vector<const CsvLayout*>& allLayouts();
// nullptr when no layout has that name.
const CsvLayout* layoutByName(std::string_view name);

}  // namespace worvanta::engine
