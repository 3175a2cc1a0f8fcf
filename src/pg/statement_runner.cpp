#include "pg/statement_runner.h"

#include <libpq-fe.h>

#include <cstring>
#include <vector>

#include "pg/connection.h"
#include "pg/db_error.h"

namespace worvanta::pg {

void ResultDeleter::operator()(pg_result* result) const { PQclear(result); }

namespace {

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    return text;
}

std::string failureMessage(const pg_result* result, const pg_conn* conn) {
    if (result != nullptr) {
        if (const char* primary = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY)) return primary;
        std::string message = trimmed(PQresultErrorMessage(result));
        if (!message.empty()) return message;
    }
    return trimmed(PQerrorMessage(conn));
}

// Text parameters go as C strings; a NUL byte would silently cut the value.
void rejectNulBytes(const Parameters& params) {
    for (std::size_t i = 0; i < params.values().size(); ++i) {
        const auto& value = params.values()[i];
        if (value && std::memchr(value->data(), '\0', value->size()) != nullptr) {
            throw DbError("Parametrul " + params.names()[i] + " contine caracterul NUL");
        }
    }
}

}  // namespace

ResultHandle runStatement(Connection& connection, const ParsedStatement& statement, const Parameters& params) {
    rejectNulBytes(params);
    std::vector<const char*> values;
    values.reserve(params.values().size());
    for (const auto& value : params.values()) values.push_back(value ? value->c_str() : nullptr);

    Connection::Lease lease(connection);
    // Parameter types are left to the server (as for a quoted literal), so a
    // text value compares with any character column or casts where needed.
    ResultHandle result(PQexecParams(lease.get(), statement.sql().c_str(), static_cast<int>(values.size()), nullptr,
                                     values.data(), nullptr, nullptr, 0));
    const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
        throw DbError(failureMessage(result.get(), lease.get()));
    }
    return result;
}

}  // namespace worvanta::pg
