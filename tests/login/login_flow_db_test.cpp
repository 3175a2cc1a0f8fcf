#include <QGuiApplication>
#include <gtest/gtest.h>

#include "common/app_error.h"
#include "db/login_statements.h"
#include "login/dm_con.h"
#include "login/login_cache.h"
#include "login/login_flow.h"
#include "support/test_db.h"
#include "ui/error_display.h"
#include "xdg_folder.h"

namespace {

using worvanta::login::DmCon;
using worvanta::login::LoginCache;
using worvanta::login::LoginFlow;
namespace testdb = worvanta::testdb;

// A data module whose directory connection points at the test server, with
// the login flow of one form and the title of the real program.
class LoginAgainstServer : public ::testing::Test {
protected:
    LoginAgainstServer()
    {
        testdb::pointAt(dm.conVarnokMob, testdb::port(), "varnok_mob");
        worvanta::ui::setApplicationTitle(QStringLiteral("worvanta"));
    }
    ~LoginAgainstServer() override { worvanta::ui::setApplicationTitle(QString()); }

    // The message of a failed attempt, or nullopt on success.
    std::optional<std::string> attempt(const QString& company, const QString& user, const QString& password)
    {
        try {
            flow.attempt(company, user, password);
            return std::nullopt;
        } catch (const worvanta::AppError& error) {
            return std::string(error.what());
        }
    }

    worvanta::testing::XdgConfigFolder settings;
    DmCon dm;
    LoginCache cache;
    LoginFlow flow{dm, cache};
};

struct LoginCase {
    const char* name;
    const char* company;
    const char* user;
    const char* password;
    const char* message;  // nullptr: success
    // On success:
    const char* database = "";
    const char* rol = "";
    const char* workPoint = "";
    const char* jasIp = "";
    const char* protocol = "";
    const char* title = "worvanta";
};

void PrintTo(const LoginCase& c, std::ostream* out) { *out << c.name; }

class LoginCases : public LoginAgainstServer, public ::testing::WithParamInterface<LoginCase> {};

TEST_P(LoginCases, ExactMessageOrFullLoginState)
{
    const LoginCase& c = GetParam();
    worvanta::ui::setApplicationTitle(QString::fromUtf8(c.title));
    const auto message =
        attempt(QString::fromUtf8(c.company), QString::fromUtf8(c.user), QString::fromUtf8(c.password));

    EXPECT_EQ(dm.glNumeFirma, c.company);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(flow.dsVarnokMobil().isOpen());
    EXPECT_FALSE(dm.dsEmitent.isOpen());
    EXPECT_FALSE(dm.dsAplicatieMob.isOpen());
    if (c.message != nullptr) {
        ASSERT_TRUE(message.has_value()) << "the login succeeded";
        EXPECT_EQ(*message, c.message);
        for (const std::string* field :
             {&dm.glUser, &dm.glUserPass, &dm.glDataBase, &dm.glUserRol, &dm.glEuPL, &dm.glJasIP, &dm.glJasProtocol})
            EXPECT_TRUE(field->empty());
        return;
    }
    ASSERT_FALSE(message.has_value()) << *message;
    EXPECT_EQ(dm.glUser, c.user);
    EXPECT_EQ(dm.glUserPass, c.password);
    EXPECT_EQ(dm.glDataBase, c.database);
    EXPECT_EQ(dm.glUserRol, c.rol);
    EXPECT_EQ(dm.glEuPL, c.workPoint);
    EXPECT_EQ(dm.glJasIP, c.jasIp);
    EXPECT_EQ(dm.glJasProtocol, c.protocol);
    EXPECT_TRUE(dm.dsAplicatieMobEmitent.isOpen());
    EXPECT_TRUE(dm.dsEu.isOpen());
    EXPECT_EQ(dm.conVarnok.database(), c.database);
    EXPECT_EQ(dm.conVarnok.sslMode(), worvanta::pg::SslMode::Prefer);
    EXPECT_EQ(dm.conVarnokMob.sslMode(), worvanta::pg::SslMode::Require);
}

constexpr const char* kWrong = "User, Password eronate";
constexpr const char* kNoCompany = "Companie inexistenta";

INSTANTIATE_TEST_SUITE_P(
    Directory, LoginCases,
    ::testing::Values(
        LoginCase{"UnknownCompany", "Nu Exista SRL", "admin", "demo123", kNoCompany},
        LoginCase{"CompanyInAnotherCase", "demo srl", "admin", "demo123", kNoCompany},
        LoginCase{"CompanyWithTrailingSpace", "Demo SRL ", "admin", "demo123", kNoCompany},
        LoginCase{"CompanyHoldingSql", "x'; drop table m_firma; --", "admin", "demo123", kNoCompany},
        LoginCase{"WrongUser", "Demo SRL", "nimeni", "demo123", kWrong},
        LoginCase{"UserInAnotherCase", "Demo SRL", "Admin", "demo123", kWrong},
        LoginCase{"WrongPassword", "Demo SRL", "admin", "demo124", kWrong},
        LoginCase{"UserHoldingSql", "Demo SRL", "admin' or '1'='1", "x' or '1'='1", kWrong},
        LoginCase{"PlainPassword", "Demo SRL", "admin", "demo123", nullptr, "varnok1", "admin", "Sediu",
                  "jas.demo.local:8443", "https"},
        LoginCase{"EmptyPasswordAsEmptyText", "Demo SRL", "gol", "", nullptr, "varnok1", "operator", "Sediu",
                  "jas.demo.local:8443", "https"},
        LoginCase{"QuotesAndSqlAreOnlyValues", "Demo SRL", "o'brien", "x'; drop table emitent; --", nullptr,
                  "varnok1", "operator", "Sediu", "jas.demo.local:8443", "https"},
        LoginCase{"SpacesKeptNullRoleReadsEmpty", "Demo SRL", "Ana Pop", "ana 123 ", nullptr, "varnok1", "",
                  "Punct de lucru 2", "jas.demo.local:8443", "https"},
        LoginCase{"PasswordNotTrimmed", "Demo SRL", "Ana Pop", "ana 123", kWrong},
        LoginCase{"HashedRightPassword", "ACME", "admin", "acme123", nullptr, "acme_db", "admin", "Sediu ACME",
                  "srv:8080", "http"},
        LoginCase{"HashedDigestTypedAsPassword", "ACME", "admin",
                  "459aa9b36f4c740533a5fd26a10bbe674576210c10ac6e2befcd86f8d0405c99", kWrong},
        LoginCase{"HashedUpperCaseDigestStored", "ACME", "maria", "maria123", kWrong},
        LoginCase{"HashedPasswordBeyondAscii", "ACME", "andrei", "țară123", nullptr, "acme_db", "operator",
                  "Filiala Cluj", "srv:8080", "http"},
        LoginCase{"HashedEmptyPassword", "ACME", "gol", "", nullptr, "acme_db", "operator", "Sediu ACME",
                  "srv:8080", "http"},
        LoginCase{"HashTypeLowerCaseMeansPlain", "Demo Minuscule SRL", "admin", "demo123", nullptr, "varnok1",
                  "admin", "Sediu", "jas.demo.local:8443", "https"},
        LoginCase{"HashTypeWithSpaceMeansPlain", "Demo Spatiu SRL", "admin", "demo123", nullptr, "varnok1",
                  "admin", "Sediu", "jas.demo.local:8443", "https"},
        LoginCase{"HashTypeEmptyMeansPlain", "Demo Gol SRL", "admin", "demo123", nullptr, "varnok1", "admin",
                  "Sediu", "jas.demo.local:8443", "https"},
        LoginCase{"InactiveCompanyIsStillFound", "Inactiva SRL", "admin", "demo123", nullptr, "varnok1", "admin",
                  "Sediu", "jas.demo.local:8443", "https"},
        LoginCase{"ApplicationInactive", "App Oprita SRL", "admin", "demo123",
                  "Aplicatia worvanta nu este disponibila"},
        LoginCase{"ApplicationMissing", "App Lipsa SRL", "admin", "demo123",
                  "Aplicatia worvanta nu este disponibila"},
        LoginCase{"ApplicationRowInCapitals", "App Majuscule SRL", "admin", "demo123", nullptr, "app_caps_db",
                  "admin", "Sediu", "8080x", "http"},
        LoginCase{"ApplicationNotForThisUser", "Demo SRL", "ion", "ion123",
                  "Aplicatia worvanta nu este disponibila pentru user-ul ion"},
        LoginCase{"AnotherTitleIsAnotherApplication", "Demo SRL", "admin", "demo123",
                  "Aplicatia Test nu este disponibila", "", "", "", "", "", "Test"},
        LoginCase{"TitleComparedWithoutCase", "Demo SRL", "admin", "demo123", nullptr, "varnok1", "admin",
                  "Sediu", "jas.demo.local:8443", "https", "Worvanta"},
        LoginCase{"EmptyCompanyRecord", "Eu Gol SRL", "admin", "demo123", nullptr, "eu_empty_db", "admin",
                  "Sediu", "", "https"},
        LoginCase{"AnotherServerNullJasIp", "Beta SA", "admin", "beta123", nullptr, "beta_db", "contabil", "Sediu",
                  "", "https"},
        LoginCase{"CompanyServerWithoutSsl", "Fara SSL SRL", "admin", "nossl123", nullptr, "nossl_db", "admin",
                  "Sediu", "18080.exemplu.ro", "http"}),
    [](const ::testing::TestParamInfo<LoginCase>& info) { return std::string(info.param.name); });

TEST_F(LoginAgainstServer, ServerErrorsCarryTheServersMessageAndTheClosingStepsRun)
{
    const auto missingDatabase = attempt(QStringLiteral("Baza Lipsa SRL"), QStringLiteral("admin"),
                                         QStringLiteral("demo123"));
    ASSERT_TRUE(missingDatabase.has_value());
    EXPECT_NE(missingDatabase->find("nu_exista_db"), std::string::npos) << *missingDatabase;
    EXPECT_EQ(dm.conVarnok.database(), "nu_exista_db");
    EXPECT_FALSE(flow.dsVarnokMobil().isOpen());

    const auto noPort = attempt(QStringLiteral("Port Lipsa SRL"), QStringLiteral("admin"), QStringLiteral("demo123"));
    ASSERT_TRUE(noPort.has_value());
    EXPECT_FALSE(noPort->empty());
    EXPECT_EQ(dm.conVarnok.port(), 0);
    EXPECT_TRUE(dm.glUser.empty());
}

TEST_F(LoginAgainstServer, UnreachableDirectoryStopsAfterTheCompanyIsSet)
{
    testdb::pointAt(dm.conVarnokMob, 1, "varnok_mob");
    const auto message = attempt(QStringLiteral("Demo SRL"), QStringLiteral("admin"), QStringLiteral("demo123"));
    ASSERT_TRUE(message.has_value());
    EXPECT_FALSE(message->empty());
    EXPECT_EQ(dm.glNumeFirma, "Demo SRL");
    EXPECT_FALSE(flow.dsVarnokMobil().isOpen());
    EXPECT_EQ(dm.conVarnok.connectCount(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(LoginAgainstServer, FailureForOneCompanyThenSuccessForAnotherServerGoesThereForGood)
{
    const auto failed = attempt(QStringLiteral("Demo SRL"), QStringLiteral("admin"), QStringLiteral("gresit"));
    ASSERT_EQ(failed, std::optional<std::string>(kWrong));
    EXPECT_EQ(dm.conVarnok.port(), testdb::port());
    EXPECT_EQ(dm.conVarnok.database(), "varnok1");

    ASSERT_EQ(attempt(QStringLiteral("Beta SA"), QStringLiteral("admin"), QStringLiteral("beta123")), std::nullopt);
    EXPECT_EQ(dm.conVarnok.port(), testdb::port2());
    EXPECT_EQ(dm.conVarnok.database(), "beta_db");
    // The queries of the attempt read company B's rows ...
    EXPECT_EQ(dm.dsAplicatieMobEmitent.fieldText("rol"), "contabil");
    EXPECT_EQ(dm.dsEu.fieldText("cod_cci"), "RO3003");
    // ... and so does a later operation.
    dm.dsEu.refresh();
    EXPECT_EQ(dm.dsEu.fieldText("eu"), "Beta SA");
}

TEST_F(LoginAgainstServer, AFailedAttemptChangesOnlyTheCompanyAndTheCache)
{
    ASSERT_EQ(attempt(QStringLiteral("ACME"), QStringLiteral("admin"), QStringLiteral("acme123")), std::nullopt);
    const DmCon& after = dm;
    const std::vector<std::string> before = {after.glUser,    after.glUserPass, after.glDataBase, after.glUserRol,
                                             after.glEuPL,    after.glJasIP,    after.glJasProtocol};

    ASSERT_EQ(attempt(QStringLiteral("Demo SRL"), QStringLiteral("ion"), QStringLiteral("ion123")),
              std::optional<std::string>("Aplicatia worvanta nu este disponibila pentru user-ul ion"));
    EXPECT_EQ(dm.glNumeFirma, "Demo SRL");
    const std::vector<std::string> now = {dm.glUser,  dm.glUserPass, dm.glDataBase, dm.glUserRol,
                                          dm.glEuPL,  dm.glJasIP,    dm.glJasProtocol};
    EXPECT_EQ(now, before);
    // The user check left no rows in dsAplicatieMobEmitent; the next attempt starts it again.
    EXPECT_TRUE(dm.dsAplicatieMobEmitent.isOpen());
    EXPECT_EQ(dm.dsAplicatieMobEmitent.rowCount(), 0);

    LoginCache written;
    written.load(settings.cacheFile());
    EXPECT_EQ(written.current(), (LoginCache::Row{QStringLiteral("Demo SRL"), QStringLiteral("ion")}));

    ASSERT_EQ(attempt(QStringLiteral("Demo SRL"), QStringLiteral("admin"), QStringLiteral("demo123")), std::nullopt);
    EXPECT_EQ(dm.dsAplicatieMobEmitent.rowCount(), 1);
    EXPECT_EQ(dm.glUserRol, "admin");
    EXPECT_EQ(dm.glJasIP, "jas.demo.local:8443");  // dsEu refreshed on the new company
}

TEST_F(LoginAgainstServer, ASuccessfulLoginCostsOneSessionPerServer)
{
    ASSERT_EQ(attempt(QStringLiteral("ACME"), QStringLiteral("admin"), QStringLiteral("acme123")), std::nullopt);
    EXPECT_EQ(dm.conVarnokMob.connectCount(), 1);
    EXPECT_EQ(dm.conVarnok.connectCount(), 1);
    EXPECT_TRUE(dm.conVarnokMob.isConnected());   // the directory connection stays
    EXPECT_FALSE(dm.conVarnok.isConnected());     // the company connection is disconnected between operations

    ASSERT_EQ(attempt(QStringLiteral("Demo SRL"), QStringLiteral("admin"), QStringLiteral("demo123")), std::nullopt);
    EXPECT_EQ(dm.conVarnokMob.connectCount(), 1);
    EXPECT_EQ(dm.conVarnok.connectCount(), 2);
}

}  // namespace
