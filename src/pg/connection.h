#pragma once
#include <memory>
#include <string>
#include <vector>

#include "pg/ssl_mode.h"

struct pg_conn;

namespace worvanta::pg {

// A PostgreSQL connection with its settings. Every setting is passed to the
// client library explicitly, so no environment variable or service file
// changes where it goes.
//
// Changing a setting to a different value closes an open connection; the
// next operation connects with the current values. In disconnected mode the
// connection is opened for an operation and closed after it.
class Connection {
public:
    explicit Connection(std::string name);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::string& name() const { return name_; }

    void setServer(const std::string& server);
    void setPort(int port);
    void setDatabase(const std::string& database);
    void setUser(const std::string& user);
    void setPassword(const std::string& password);
    void setSslMode(SslMode mode);
    void setDisconnected(bool disconnected);

    const std::string& server() const { return server_; }
    int port() const { return port_; }
    const std::string& database() const { return database_; }
    const std::string& user() const { return user_; }
    SslMode sslMode() const { return sslMode_; }
    bool disconnected() const { return disconnected_; }

    bool isConnected() const;
    void close();

    // How many times a session was established; tests use it to count set-ups.
    int connectCount() const { return connectCount_; }

    // For queries and commands: a live session for one operation. The session
    // is released (closed in disconnected mode) when the lease ends.
    class Lease {
    public:
        explicit Lease(Connection& connection);
        ~Lease();
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        pg_conn* get() const { return conn_; }

    private:
        Connection& connection_;
        pg_conn* conn_;
    };

private:
    pg_conn* acquire();
    void release();
    template <class T>
    void change(T& field, const T& value);

    std::string name_;
    std::string server_;
    int port_ = 5432;
    std::string database_;
    std::string user_;
    std::string password_;
    SslMode sslMode_ = SslMode::Prefer;
    bool disconnected_ = false;
    pg_conn* conn_ = nullptr;
    // Sessions closed while an operation still held them; finished once no
    // lease is left, so a lease never points at a freed session.
    std::vector<pg_conn*> retired_;
    int leases_ = 0;
    int connectCount_ = 0;
};

}  // namespace worvanta::pg
