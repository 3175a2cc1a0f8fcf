#include "support/test_db.h"

#include <libpq-fe.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace worvanta::testdb {

namespace {


int portFromEnvironment(const char* variable, int fallback) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0' ? std::atoi(value) : fallback;
}

std::string clusterFolder(int port) {
    const char* base = std::getenv("WORVANTA_TEST_PG_BASE");
    return std::string(base != nullptr && *base != '\0' ? base : WORVANTA_TEST_PG_BASE_DEFAULT) + "/p" +
           std::to_string(port);
}

using ConnHandle = std::unique_ptr<PGconn, decltype(&PQfinish)>;
using ResultHandle = std::unique_ptr<PGresult, decltype(&PQclear)>;

ConnHandle superuser(int port, const std::string& database) {
    const std::string host = clusterFolder(port);
    const std::string portText = std::to_string(port);
    const char* keywords[] = {"host", "port", "dbname", "user", "sslmode", "client_encoding", nullptr};
    const char* values[] = {host.c_str(), portText.c_str(), database.c_str(), "postgres", "disable", "UTF8", nullptr};
    ConnHandle conn(PQconnectdbParams(keywords, values, 0), &PQfinish);
    if (!conn || PQstatus(conn.get()) != CONNECTION_OK) {
        throw std::runtime_error("superuser connection to " + host + " failed: " +
                                 (conn ? PQerrorMessage(conn.get()) : "out of memory"));
    }
    PQsetNoticeProcessor(conn.get(), [](void*, const char*) {}, nullptr);
    return conn;
}

ResultHandle run(PGconn* conn, const std::string& sql) {
    ResultHandle result(PQexec(conn, sql.c_str()), &PQclear);
    const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        throw std::runtime_error(std::string("superuser statement failed: ") + PQerrorMessage(conn) + sql);
    }
    return result;
}

}  // namespace

int port() { return portFromEnvironment("WORVANTA_TEST_PG_PORT", WORVANTA_TEST_PG_PORT_DEFAULT); }
int port2() { return portFromEnvironment("WORVANTA_TEST_PG2_PORT", WORVANTA_TEST_PG2_PORT_DEFAULT); }
int portNoSsl() { return portFromEnvironment("WORVANTA_TEST_PG_NOSSL_PORT", WORVANTA_TEST_PG_NOSSL_PORT_DEFAULT); }

void pointAt(pg::Connection& connection, int port, const std::string& database, pg::SslMode mode) {
    connection.setServer(kHost);
    connection.setPort(port);
    connection.setDatabase(database);
    connection.setUser(kUser);
    connection.setPassword(kPassword);
    connection.setSslMode(mode);
}

void exec(int port, const std::string& database, const std::string& sql) {
    ConnHandle conn = superuser(port, database);
    run(conn.get(), sql);
}

std::string scalar(int port, const std::string& database, const std::string& sql) {
    ConnHandle conn = superuser(port, database);
    ResultHandle result = run(conn.get(), sql);
    if (PQntuples(result.get()) == 0 || PQnfields(result.get()) == 0 || PQgetisnull(result.get(), 0, 0)) return {};
    return PQgetvalue(result.get(), 0, 0);
}

}  // namespace worvanta::testdb
