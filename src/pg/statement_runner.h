#pragma once
#include <string_view>

#include "pg/parameters.h"
#include "pg/result_handle.h"

namespace worvanta::pg {

class Connection;

// Runs a parsed statement once over the connection with its parameters bound
// as text (never spliced into the statement). Throws DbError with the
// server's primary message, or the network's message, when it fails.
ResultHandle runStatement(Connection& connection, const ParsedStatement& statement, const Parameters& params);

}  // namespace worvanta::pg
