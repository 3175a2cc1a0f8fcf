#include "login/login_flow.h"

#include <charconv>

#include "common/app_error.h"
#include "db/login_statements.h"
#include "login/dm_con.h"
#include "login/login_cache.h"
#include "login/password_digest.h"
#include "ui/error_display.h"
#include "ui/wait_cursor.h"

namespace worvanta::login {

namespace {

// Closes the queries a login attempt leaves behind, on every path once the
// directory lookup has run. dsAplicatieMobEmitent and dsEu stay open.
class ClosingSteps {
public:
    ClosingSteps(DmCon& dm, pg::Query& directory) : dm_(dm), directory_(directory) {}
    ~ClosingSteps()
    {
        if (dm_.dsAplicatieMob.isOpen())
            dm_.dsAplicatieMob.close();
        if (dm_.dsEmitent.isOpen())
            dm_.dsEmitent.close();
        directory_.close();
    }
    ClosingSteps(const ClosingSteps&) = delete;
    ClosingSteps& operator=(const ClosingSteps&) = delete;

private:
    DmCon& dm_;
    pg::Query& directory_;
};

int portFromText(const std::string& text)
{
    int port = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (error != std::errc() || end != text.data() + text.size())
        return 0;
    return port;
}

}  // namespace

std::string jasProtocolFor(const std::string& jasIp)
{
    return jasIp.find("8080") != std::string::npos ? "http" : "https";
}

LoginFlow::LoginFlow(DmCon& dmCon, LoginCache& cache)
    : dm_(dmCon),
      cache_(cache),
      dsVarnokMobil_(db::kDsVarnokMobil, dmCon.conVarnokMob, db::kDsVarnokMobilStatement,
                     db::varnokMobilFields())
{
}

void LoginFlow::attempt(const QString& company, const QString& user, const QString& password)
{
    // Steps 1 and 2: the cache is written before any check.
    cache_.setCompany(company);
    cache_.setUsername(user);
    cache_.save(loginCachePath());

    const std::string companyText = company.toStdString();
    dm_.glNumeFirma = companyText;

    ui::WaitCursor waiting;
    dm_.conVarnokMob.setSslMode(pg::SslMode::Require);
    dsVarnokMobil_.close();
    dsVarnokMobil_.setParam(db::kParamNumeFirma, companyText);
    dsVarnokMobil_.open();
    ClosingSteps closing(dm_, dsVarnokMobil_);

    checkAndFill(user.toStdString(), password.toStdString(), ui::applicationTitle().toStdString());
}

void LoginFlow::checkAndFill(const std::string& user, const std::string& password,
                             const std::string& title)
{
    if (dsVarnokMobil_.rowCount() == 0)
        throw AppError("Companie inexistenta");
    dsVarnokMobil_.setCurrentRow(0);
    const std::string dbName = dsVarnokMobil_.fieldText(db::kColDbName);

    pg::Connection& company = dm_.conVarnok;
    company.setServer(dsVarnokMobil_.fieldText(db::kColIp));
    company.setPort(portFromText(dsVarnokMobil_.fieldText(db::kColPort)));
    company.setDatabase(dbName);
    company.setSslMode(pg::SslMode::Prefer);

    dm_.dsEmitent.close();
    dm_.dsEmitent.setParam(db::kParamEmitent, user);
    const bool hashed = dsVarnokMobil_.fieldText(db::kColPwHashType) == db::kHashSha2;
    dm_.dsEmitent.setParam(db::kParamPassword, hashed ? sha256Hex(password) : password);
    // One session serves the four company queries of this attempt; each of
    // them still runs against the server and database just set.
    const pg::Connection::Lease session(company);
    dm_.dsEmitent.open();
    if (dm_.dsEmitent.rowCount() == 0)
        throw AppError("User, Password eronate");

    dm_.dsAplicatieMob.close();
    dm_.dsAplicatieMob.setParam(db::kParamAplicatieMob, title);
    dm_.dsAplicatieMob.open();
    if (dm_.dsAplicatieMob.rowCount() == 0)
        throw AppError("Aplicatia " + title + " nu este disponibila");

    dm_.dsAplicatieMobEmitent.close();
    dm_.dsAplicatieMobEmitent.setParam(db::kParamEmitent, user);
    dm_.dsAplicatieMobEmitent.setParam(db::kParamAplicatieMob, title);
    dm_.dsAplicatieMobEmitent.open();
    if (dm_.dsAplicatieMobEmitent.rowCount() == 0)
        throw AppError("Aplicatia " + title + " nu este disponibila pentru user-ul " + user);

    dm_.glUser = user;
    dm_.glUserPass = password;
    dm_.glDataBase = dbName;
    dm_.glUserRol = dm_.dsAplicatieMobEmitent.fieldText(db::kColRol);
    dm_.glEuPL = dm_.dsEmitent.fieldText(db::kColEuPunctLucru);

    if (dm_.dsEu.isOpen())
        dm_.dsEu.refresh();
    else
        dm_.dsEu.open();
    dm_.glJasIP = dm_.dsEu.rowCount() > 0 ? dm_.dsEu.fieldText(db::kColJasIp) : std::string();
    dm_.glJasProtocol = jasProtocolFor(dm_.glJasIP);
}

}  // namespace worvanta::login
