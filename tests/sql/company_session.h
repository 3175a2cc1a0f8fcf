#pragma once
#include <libpq-fe.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace worvanta::sqltest {

// One result of a statement: its rows as text (nullopt for null), or the
// server's primary message when it failed.
struct Outcome {
    std::vector<std::vector<std::optional<std::string>>> rows;
    std::optional<std::string> error;

    std::optional<std::string> value(size_t row = 0, size_t column = 0) const;
};

// A column of a result as the server describes it.
struct ResultColumn {
    std::string name;
    unsigned oid;
    int typmod;
};

// A session of the application's role `varnok` on a company database of the
// main test server, inside a transaction that is rolled back at the end, so
// that the tests leave nothing behind and see only their own rows.
// Every statement runs under a savepoint: a failing one is undone and the
// session goes on.
class CompanySession {
public:
    explicit CompanySession(const std::string& database = "acme_db");
    ~CompanySession();
    CompanySession(const CompanySession&) = delete;
    CompanySession& operator=(const CompanySession&) = delete;

    Outcome run(const std::string& sql, const std::vector<std::string>& params = {});
    // Calls an import function with the payload as its one bound parameter.
    Outcome callImport(const std::string& function, const std::string& payload);
    std::vector<ResultColumn> describe(const std::string& sql);

private:
    std::unique_ptr<PGconn, decltype(&PQfinish)> conn_;
};

}  // namespace worvanta::sqltest
