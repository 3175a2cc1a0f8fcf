#include "pg/libpq_environment.h"

#include <cstdlib>

namespace worvanta::pg {

namespace {
constexpr const char* kVariables[] = {
    "PGHOST", "PGHOSTADDR", "PGPORT", "PGDATABASE", "PGUSER", "PGPASSWORD", "PGPASSFILE",
    "PGCHANNELBINDING", "PGSERVICE", "PGSERVICEFILE", "PGSYSCONFDIR", "PGOPTIONS", "PGAPPNAME",
    "PGSSLMODE", "PGREQUIRESSL", "PGSSLCOMPRESSION", "PGSSLCERT", "PGSSLKEY", "PGSSLCERTMODE",
    "PGSSLROOTCERT", "PGSSLCRL", "PGSSLCRLDIR", "PGSSLSNI", "PGREQUIREPEER", "PGREQUIREAUTH",
    "PGSSLMINPROTOCOLVERSION", "PGSSLMAXPROTOCOLVERSION", "PGGSSENCMODE", "PGKRBSRVNAME",
    "PGGSSLIB", "PGCONNECT_TIMEOUT", "PGCLIENTENCODING", "PGTARGETSESSIONATTRS",
    "PGLOADBALANCEHOSTS", "PGDATESTYLE", "PGTZ", "PGGEQO",
};
}  // namespace

void clearLibpqEnvironment() {
    for (const char* name : kVariables) {
        if (std::getenv(name) != nullptr) {
#ifdef _WIN32
            _putenv_s(name, "");
#else
            unsetenv(name);
#endif
        }
    }
}

}  // namespace worvanta::pg
