#include "login/dm_con.h"

#include "build_config.h"
#include "db/login_statements.h"

namespace worvanta::login {

DmCon::DmCon(QObject* parent)
    : QObject(parent),
      conVarnokMob("conVarnokMob"),
      conVarnok("conVarnok"),
      dsEmitent(db::kDsEmitent, conVarnok, db::kDsEmitentStatement, db::emitentFields()),
      dsAplicatieMob(db::kDsAplicatieMob, conVarnok, db::kDsAplicatieMobStatement,
                     db::aplicatieMobFields()),
      dsAplicatieMobEmitent(db::kDsAplicatieMobEmitent, conVarnok,
                            db::kDsAplicatieMobEmitentStatement, db::aplicatieMobEmitentFields()),
      dsEu(db::kDsEu, conVarnok, db::kDsEuStatement, db::euFields()),
      GridTableViewStyleSheetDevExpress(importGridStyleSheet())
{
    setObjectName(QStringLiteral("dmCon"));

    conVarnokMob.setServer(build::kDirectoryHost);
    conVarnokMob.setPort(build::kDirectoryPort);
    conVarnokMob.setDatabase(db::kDirectoryDatabase);
    conVarnokMob.setUser(db::kConnectionUser);
    conVarnokMob.setPassword(build::kDirectoryPassword);
    conVarnokMob.setSslMode(pg::SslMode::Require);
    conVarnokMob.setDisconnected(false);

    conVarnok.setServer(build::kCompanyHost);
    conVarnok.setPort(5432);
    conVarnok.setDatabase(db::kCompanyDatabaseAtStart);
    conVarnok.setUser(db::kConnectionUser);
    conVarnok.setPassword(build::kCompanyPassword);
    conVarnok.setSslMode(pg::SslMode::Require);
    conVarnok.setDisconnected(true);
}

}  // namespace worvanta::login
