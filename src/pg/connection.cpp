#include "pg/connection.h"

#include <libpq-fe.h>

#include <array>
#include <string>

#include "pg/db_error.h"
#include "pg/libpq_environment.h"

namespace worvanta::pg {

namespace {

// A path that never exists: the client library then finds no password
// file, client certificate or root certificate in the user's home folder.
#ifdef _WIN32
constexpr const char* kNoFile = "NUL\\absent";
#else
constexpr const char* kNoFile = "/dev/null/absent";
#endif

constexpr const char* kConnectTimeoutSeconds = "10";
constexpr const char* kApplicationName = "wOrvanta";

std::string trimmedErrorMessage(const pg_conn* conn) {
    std::string message = conn != nullptr ? PQerrorMessage(conn) : "out of memory";
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
        message.pop_back();
    }
    return message;
}

void ignoreNotice(void*, const char*) {}

bool verifiesServer(SslMode mode) { return mode == SslMode::VerifyCa || mode == SslMode::VerifyFull; }

}  // namespace

Connection::Connection(std::string name) : name_(std::move(name)) {}

Connection::~Connection() {
    for (pg_conn* conn : retired_) PQfinish(conn);
    if (conn_ != nullptr) PQfinish(conn_);
}

template <class T>
void Connection::change(T& field, const T& value) {
    if (field == value) return;
    close();
    field = value;
}

void Connection::setServer(const std::string& server) { change(server_, server); }
void Connection::setPort(int port) { change(port_, port); }
void Connection::setDatabase(const std::string& database) { change(database_, database); }
void Connection::setUser(const std::string& user) { change(user_, user); }
void Connection::setPassword(const std::string& password) { change(password_, password); }
void Connection::setSslMode(SslMode mode) { change(sslMode_, mode); }

void Connection::setDisconnected(bool disconnected) {
    disconnected_ = disconnected;
    if (disconnected_ && leases_ == 0) close();
}

bool Connection::isConnected() const { return conn_ != nullptr && PQstatus(conn_) == CONNECTION_OK; }

void Connection::close() {
    if (conn_ == nullptr) return;
    if (leases_ > 0) {
        retired_.push_back(conn_);
    } else {
        PQfinish(conn_);
    }
    conn_ = nullptr;
}

pg_conn* Connection::acquire() {
    if (conn_ != nullptr && PQstatus(conn_) == CONNECTION_OK) return conn_;
    close();  // a session the server dropped: the next operation connects anew
    if (server_.empty()) throw DbError("Conexiunea " + name_ + " nu are adresa serverului");

    const std::string port = std::to_string(port_);
    const std::string sslMode(toLibpqName(sslMode_));
    const char* rootCert = verifiesServer(sslMode_) ? nullptr : kNoFile;
    // Every setting the client library would otherwise take from the
    // environment or a service file is given here.
    const std::array<const char*, 17> keywords = {
        "host", "port", "dbname", "user", "password", "passfile", "sslmode", "sslcert", "sslkey",
        "gssencmode", "target_session_attrs", "client_encoding", "connect_timeout",
        "application_name", "channel_binding", "sslrootcert", nullptr};
    const std::array<const char*, 17> values = {
        server_.c_str(), port.c_str(), database_.c_str(), user_.c_str(), password_.c_str(), kNoFile,
        sslMode.c_str(), kNoFile, kNoFile, "disable", "any", "UTF8", kConnectTimeoutSeconds,
        kApplicationName, "prefer", rootCert, nullptr};

    clearLibpqEnvironment();
    pg_conn* conn = PQconnectdbParams(keywords.data(), values.data(), 0);
    if (conn == nullptr || PQstatus(conn) != CONNECTION_OK) {
        const std::string message = trimmedErrorMessage(conn);
        PQfinish(conn);
        throw DbError(message);
    }
    PQsetNoticeProcessor(conn, ignoreNotice, nullptr);
    conn_ = conn;
    ++connectCount_;
    return conn_;
}

void Connection::release() {
    if (leases_ > 0) return;
    for (pg_conn* conn : retired_) PQfinish(conn);
    retired_.clear();
    if (disconnected_) close();
}

Connection::Lease::Lease(Connection& connection) : connection_(connection), conn_(connection.acquire()) {
    ++connection_.leases_;
}

Connection::Lease::~Lease() {
    --connection_.leases_;
    connection_.release();
}

}  // namespace worvanta::pg
