#include "company_session.h"

#include <stdexcept>

#include "support/test_db.h"

namespace worvanta::sqltest {

namespace {

using ResultHandle = std::unique_ptr<PGresult, decltype(&PQclear)>;

void mustRun(PGconn* conn, const char* sql) {
    ResultHandle r(PQexec(conn, sql), &PQclear);
    if (PQresultStatus(r.get()) != PGRES_COMMAND_OK) {
        throw std::runtime_error(std::string(sql) + ": " + PQerrorMessage(conn));
    }
}

}  // namespace

std::optional<std::string> Outcome::value(size_t row, size_t column) const {
    if (error) throw std::runtime_error("statement failed: " + *error);
    if (row >= rows.size() || column >= rows[row].size()) throw std::out_of_range("no such cell");
    return rows[row][column];
}

CompanySession::CompanySession(const std::string& database) : conn_(nullptr, &PQfinish) {
    const std::string port = std::to_string(testdb::port());
    const char* keywords[] = {"host", "port", "dbname", "user", "password", "sslmode", "client_encoding", nullptr};
    const char* values[] = {testdb::kHost, port.c_str(), database.c_str(), testdb::kUser, testdb::kPassword,
                            "require", "UTF8", nullptr};
    conn_.reset(PQconnectdbParams(keywords, values, 0));
    if (!conn_ || PQstatus(conn_.get()) != CONNECTION_OK) {
        throw std::runtime_error("cannot connect as varnok: " +
                                 std::string(conn_ ? PQerrorMessage(conn_.get()) : "out of memory"));
    }
    PQsetNoticeProcessor(conn_.get(), [](void*, const char*) {}, nullptr);
    mustRun(conn_.get(), "BEGIN");
}

CompanySession::~CompanySession() {
    if (conn_) {
        ResultHandle r(PQexec(conn_.get(), "ROLLBACK"), &PQclear);
    }
}

Outcome CompanySession::run(const std::string& sql, const std::vector<std::string>& params) {
    mustRun(conn_.get(), "SAVEPOINT statement");
    std::vector<const char*> values;
    for (const auto& p : params) values.push_back(p.c_str());
    ResultHandle r(PQexecParams(conn_.get(), sql.c_str(), static_cast<int>(values.size()), nullptr,
                                values.data(), nullptr, nullptr, 0),
                   &PQclear);
    Outcome outcome;
    const auto status = PQresultStatus(r.get());
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
        const char* primary = PQresultErrorField(r.get(), PG_DIAG_MESSAGE_PRIMARY);
        outcome.error = primary ? primary : PQerrorMessage(conn_.get());
        mustRun(conn_.get(), "ROLLBACK TO SAVEPOINT statement");
        return outcome;
    }
    for (int row = 0; row < PQntuples(r.get()); ++row) {
        auto& cells = outcome.rows.emplace_back();
        for (int col = 0; col < PQnfields(r.get()); ++col) {
            if (PQgetisnull(r.get(), row, col)) cells.emplace_back(std::nullopt);
            else cells.emplace_back(PQgetvalue(r.get(), row, col));
        }
    }
    mustRun(conn_.get(), "RELEASE SAVEPOINT statement");
    return outcome;
}

Outcome CompanySession::callImport(const std::string& function, const std::string& payload) {
    return run("SELECT * FROM " + function + "($1)", {payload});
}

std::vector<ResultColumn> CompanySession::describe(const std::string& sql) {
    ResultHandle r(PQexec(conn_.get(), sql.c_str()), &PQclear);
    if (PQresultStatus(r.get()) != PGRES_TUPLES_OK) {
        throw std::runtime_error(sql + ": " + PQerrorMessage(conn_.get()));
    }
    std::vector<ResultColumn> columns;
    for (int col = 0; col < PQnfields(r.get()); ++col) {
        columns.push_back({PQfname(r.get(), col), PQftype(r.get(), col), PQfmod(r.get(), col)});
    }
    return columns;
}

}  // namespace worvanta::sqltest
