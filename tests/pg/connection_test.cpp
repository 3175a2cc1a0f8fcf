#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <cstdlib>
#include <ostream>
#include <string>

#include "pg/connection.h"
#include "pg/db_error.h"
#include "pg/query.h"
#include "support/test_db.h"

namespace worvanta::pg {
namespace {

const FieldDefs kWhereFields = {{"db", FieldKind::Text}, {"port", FieldKind::Integer}, {"ssl", FieldKind::Boolean}};
constexpr const char* kWhereStatement =
    "select current_database() as db, inet_server_port() as port,\n"
    "       (select ssl from pg_stat_ssl where pid = pg_backend_pid()) as ssl";

struct Where {
    std::string database;
    int port;
    bool ssl;
};

Where whereDoesItGo(Connection& connection) {
    Query query("dsWhere", connection, kWhereStatement, kWhereFields);
    query.open();
    return {query.fieldText("db"), std::stoi(query.fieldText("port")), query.fieldText("ssl") == "t"};
}

std::string errorOf(Connection& connection) {
    try {
        whereDoesItGo(connection);
    } catch (const DbError& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(Connection, RepointingSendsTheNextOperationToTheNewServerAndDatabase) {
    Connection con("conVarnok");
    testdb::pointAt(con, testdb::port(), "varnok1", SslMode::Prefer);
    Where first = whereDoesItGo(con);
    EXPECT_EQ(first.database, "varnok1");
    EXPECT_EQ(first.port, testdb::port());

    con.setDatabase("acme_db");  // same server, another database
    EXPECT_FALSE(con.isConnected());
    EXPECT_EQ(whereDoesItGo(con).database, "acme_db");

    con.setPort(testdb::port2());  // another server
    con.setDatabase("beta_db");
    Where second = whereDoesItGo(con);
    EXPECT_EQ(second.database, "beta_db");
    EXPECT_EQ(second.port, testdb::port2());
}

TEST(Connection, SettingTheSameValueKeepsTheSessionAndADifferentOneClosesIt) {
    Connection con("conVarnokMob");
    testdb::pointAt(con, testdb::port(), "varnok_mob");
    whereDoesItGo(con);
    ASSERT_TRUE(con.isConnected());
    testdb::pointAt(con, testdb::port(), "varnok_mob");  // every value as it is
    EXPECT_TRUE(con.isConnected());
    whereDoesItGo(con);
    EXPECT_EQ(con.connectCount(), 1);

    con.setSslMode(SslMode::Prefer);
    EXPECT_FALSE(con.isConnected());
    whereDoesItGo(con);
    EXPECT_EQ(con.connectCount(), 2);
}

TEST(Connection, DisconnectedModeConnectsForEachOperationAndClosesAfterIt) {
    Connection con("conVarnok");
    testdb::pointAt(con, testdb::port(), "varnok1", SslMode::Prefer);
    con.setDisconnected(true);
    Query query("dsWhere", con, kWhereStatement, kWhereFields);
    for (int i = 1; i <= 3; ++i) {
        query.refresh();
        EXPECT_FALSE(con.isConnected());
        EXPECT_EQ(con.connectCount(), i);
        EXPECT_EQ(query.fieldText("db"), "varnok1");  // rows stay readable after the close
    }

    Connection kept("conVarnokMob");
    testdb::pointAt(kept, testdb::port(), "varnok_mob");
    for (int i = 0; i < 3; ++i) whereDoesItGo(kept);
    EXPECT_TRUE(kept.isConnected());
    EXPECT_EQ(kept.connectCount(), 1);
}

// The login keeps one session for the operations of an attempt; a setting
// changed meanwhile still sends the next operation to the new place.
TEST(Connection, ASettingChangedWhileASessionIsHeldTakesEffectAtTheNextOperation) {
    Connection con("conVarnok");
    testdb::pointAt(con, testdb::port(), "varnok1", SslMode::Prefer);
    con.setDisconnected(true);
    {
        const Connection::Lease held(con);
        EXPECT_EQ(whereDoesItGo(con).database, "varnok1");
        EXPECT_EQ(whereDoesItGo(con).database, "varnok1");
        EXPECT_TRUE(con.isConnected());
        EXPECT_EQ(con.connectCount(), 1);

        con.setDatabase("acme_db");
        EXPECT_EQ(whereDoesItGo(con).database, "acme_db");
        EXPECT_EQ(con.connectCount(), 2);
        EXPECT_STREQ(PQdb(held.get()), "varnok1");  // the holder's session is still valid
    }
    EXPECT_FALSE(con.isConnected());
}

struct SslCase {
    const char* label;
    SslMode mode;
    bool noSslServer;
    bool connects;
    bool sslUsed;
    const char* refusal;
};

void PrintTo(const SslCase& c, std::ostream* out) { *out << c.label; }

class SslModes : public testing::TestWithParam<SslCase> {};

TEST_P(SslModes, ConnectAsTheModeAllows) {
    const SslCase& c = GetParam();
    Connection con("conVarnok");
    if (c.noSslServer) {
        testdb::pointAt(con, testdb::portNoSsl(), "nossl_db", c.mode);
    } else {
        testdb::pointAt(con, testdb::port(), "varnok1", c.mode);
    }
    if (!c.connects) {
        const std::string message = errorOf(con);
        EXPECT_NE(message.find(c.refusal), std::string::npos) << message;
        EXPECT_NE(message.back(), '\n');
        EXPECT_FALSE(con.isConnected());
        return;
    }
    EXPECT_EQ(whereDoesItGo(con).ssl, c.sslUsed);
}

const SslCase kSslCases[] = {
    {"RequireOnSslServer", SslMode::Require, false, true, true, ""},
    {"RequireOnServerWithoutSsl", SslMode::Require, true, false, false, "server does not support SSL, but SSL was required"},
    {"PreferOnSslServer", SslMode::Prefer, false, true, true, ""},
    {"PreferOnServerWithoutSsl", SslMode::Prefer, true, true, false, ""},
    {"DisableOnSslServerIsRefused", SslMode::Disable, false, false, false, "no encryption"},
    {"DisableOnServerWithoutSsl", SslMode::Disable, true, true, false, ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, SslModes, testing::ValuesIn(kSslCases),
                         [](const testing::TestParamInfo<SslCase>& info) { return std::string(info.param.label); });

TEST(Connection, FailuresCarryTheMessageWithoutTrailingNewline) {
    struct Case {
        const char* label;
        int port;
        std::string database, password, expected;
    };
    const Case cases[] = {
        {"wrong password", testdb::port(), "varnok1", "gresit", "password authentication failed for user \"varnok\""},
        {"missing database", testdb::port(), "nu_exista_db", testdb::kPassword, "database \"nu_exista_db\" does not exist"},
        {"nobody listens", 1, "varnok1", testdb::kPassword, "Connection refused"},
        {"a directory row without port", 0, "varnok1", testdb::kPassword, "invalid port number: \"0\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Connection con("conVarnok");
        testdb::pointAt(con, c.port, c.database, SslMode::Require);
        con.setPassword(c.password);
        const std::string message = errorOf(con);
        EXPECT_NE(message.find(c.expected), std::string::npos) << message;
        EXPECT_NE(message.back(), '\n');
        EXPECT_EQ(con.connectCount(), 0);
    }
}

TEST(Connection, WithoutAServerAddressNothingIsTried) {
    Connection con("conVarnok");
    testdb::pointAt(con, testdb::port(), "varnok1");
    con.setServer("");
    const std::string message = errorOf(con);
    EXPECT_NE(message.find("conVarnok"), std::string::npos) << message;
}

// Restores the caller's environment after the test.
class SavedEnvironment {
public:
    void set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        saved_.push_back({name, old != nullptr, old != nullptr ? old : ""});
        setenv(name, value, 1);
    }
    ~SavedEnvironment() {
        for (const auto& entry : saved_) {
            if (entry.existed) {
                setenv(entry.name.c_str(), entry.value.c_str(), 1);
            } else {
                unsetenv(entry.name.c_str());
            }
        }
    }

private:
    struct Entry {
        std::string name;
        bool existed;
        std::string value;
    };
    std::vector<Entry> saved_;
};

TEST(Connection, ClientEnvironmentVariablesChangeNothing) {
    SavedEnvironment env;
    env.set("PGHOST", "/nonexistent");
    env.set("PGHOSTADDR", "10.255.255.1");
    env.set("PGPORT", "1");
    env.set("PGDATABASE", "nu_exista_db");
    env.set("PGUSER", "nimeni");
    env.set("PGPASSWORD", "gresit");
    env.set("PGSSLMODE", "disable");
    env.set("PGSERVICE", "nu_exista_serviciu");
    env.set("PGOPTIONS", "-c search_path=nimic");
    env.set("PGDATESTYLE", "SQL, DMY");
    env.set("PGTZ", "Pacific/Auckland");
    env.set("PGCONNECT_TIMEOUT", "1");
    env.set("PGCLIENTENCODING", "LATIN1");

    Connection con("conVarnokMob");
    testdb::pointAt(con, testdb::port(), "varnok_mob", SslMode::Require);
    Query query("dsSettings", con,
                "select current_database() as db, current_user as usr, inet_server_port() as port,\n"
                "       current_setting('search_path') as search_path, current_setting('DateStyle') as datestyle,\n"
                "       current_setting('client_encoding') as encoding,\n"
                "       (select ssl from pg_stat_ssl where pid = pg_backend_pid()) as ssl",
                {{"db"}, {"usr"}, {"port"}, {"search_path"}, {"datestyle"}, {"encoding"}, {"ssl"}});
    query.open();
    EXPECT_EQ(query.fieldText("db"), "varnok_mob");
    EXPECT_EQ(query.fieldText("usr"), "varnok");
    EXPECT_EQ(query.fieldText("port"), std::to_string(testdb::port()));
    EXPECT_EQ(query.fieldText("search_path"), "\"$user\", public");
    EXPECT_EQ(query.fieldText("datestyle"), "ISO, MDY");
    EXPECT_EQ(query.fieldText("encoding"), "UTF8");
    EXPECT_EQ(query.fieldText("ssl"), "t");
}

}  // namespace
}  // namespace worvanta::pg
