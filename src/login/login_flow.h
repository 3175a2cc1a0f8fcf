#pragma once
#include <QString>

#include "pg/query.h"

namespace worvanta::login {

class DmCon;
class LoginCache;

// One login attempt, apart from the form: writes the cache, looks the
// company up in the directory, re-points the company connection, checks the
// user, the password and the application, and fills the login state.
class LoginFlow {
public:
    LoginFlow(DmCon& dmCon, LoginCache& cache);

    // Texts are used exactly as typed. Throws AppError carrying the user's
    // message when the attempt fails; returns normally on success.
    void attempt(const QString& company, const QString& user, const QString& password);

    pg::Query& dsVarnokMobil() { return dsVarnokMobil_; }

private:
    void checkAndFill(const std::string& user, const std::string& password,
                      const std::string& title);

    DmCon& dm_;
    LoginCache& cache_;
    pg::Query dsVarnokMobil_;
};

// "http" when the address holds "8080" anywhere, else "https".
std::string jasProtocolFor(const std::string& jasIp);

}  // namespace worvanta::login
