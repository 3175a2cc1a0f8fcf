#pragma once
#include <string>

#include "pg/field.h"

namespace worvanta::db {

// The database side of one import screen: its view query (name, statement,
// declared result columns), the data source that feeds the grid, and the
// command that calls the insert function with the whole file as one text.
struct ImportStatements {
    std::string viewQueryName;     // also the query component's name
    std::string viewName;
    std::string viewStatement;
    pg::FieldDefs viewFields;      // in the order they are declared
    std::string dataSourceName;
    std::string functionName;      // also the command's name
    std::string insertStatement;
    std::string parameterDeclared;  // as written in the statement
    std::string parameterLookedUp;  // as the import looks it up
};

const ImportStatements& allPaymentsStatements();
const ImportStatements& cashCallClientStatements();
const ImportStatements& cashCallDefEfsStatements();
const ImportStatements& vmsPerformanceAgregatStatements();
const ImportStatements& vmSettlementStatusPStatements();

}  // namespace worvanta::db
