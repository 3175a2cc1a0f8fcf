#pragma once
#include <string>

#include "pg/connection.h"
#include "pg/ssl_mode.h"

// The test PostgreSQL servers started by the worvanta_pg ctest fixture.
namespace worvanta::testdb {

inline constexpr const char* kHost = "127.0.0.1";
inline constexpr const char* kUser = "varnok";
inline constexpr const char* kPassword = "varnok-demo";

int port();       // main server, SSL: varnok_mob and the company databases
int port2();      // second server, SSL: beta_db
int portNoSsl();  // server without SSL: nossl_db

// Points a connection at a test server, logging in as varnok.
void pointAt(pg::Connection& connection, int port, const std::string& database,
             pg::SslMode mode = pg::SslMode::Require);

// Runs one or more statements as the superuser (through the cluster's unix
// socket). Throws std::runtime_error with the server's message.
void exec(int port, const std::string& database, const std::string& sql);

// The first column of the first row of a superuser query ("" for null or no row).
std::string scalar(int port, const std::string& database, const std::string& sql);

}  // namespace worvanta::testdb
