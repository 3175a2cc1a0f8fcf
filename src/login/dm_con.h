#pragma once
#include <QObject>
#include <string>

#include "grid/grid_style_sheet.h"
#include "pg/connection.h"
#include "pg/query.h"

namespace worvanta::login {

// The data module: what the forms share. The two connections, the four login
// queries over the company connection, the login state and the grid style
// sheet of the import screens. Created once at start-up with the design-time
// settings; nothing connects until an operation needs it.
class DmCon : public QObject {
    Q_OBJECT
public:
    explicit DmCon(QObject* parent = nullptr);

    pg::Connection conVarnokMob;  // directory database, stays connected once opened
    pg::Connection conVarnok;     // company database, disconnected mode

    pg::Query dsEmitent;
    pg::Query dsAplicatieMob;
    pg::Query dsAplicatieMobEmitent;
    pg::Query dsEu;

    // Login state (UTF-8), empty until a login attempt fills it.
    std::string glNumeFirma;
    std::string glUser;
    std::string glUserPass;
    std::string glDataBase;
    std::string glUserRol;
    std::string glEuPL;
    std::string glJasIP;
    std::string glJasProtocol;

    grid::GridStyleSheet GridTableViewStyleSheetDevExpress;
};

// The style sheet every import screen's grid uses.
grid::GridStyleSheet importGridStyleSheet();

}  // namespace worvanta::login
