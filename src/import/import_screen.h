#pragma once
#include <QWidget>
#include <cstddef>
#include <memory>
#include <optional>

#include "engine/regional_settings.h"
#include "engine/sheet.h"
#include "grid/grid_style_sheet.h"
#include "import/payload_limit.h"
#include "import/screen_params.h"

class QLabel;
class QPushButton;

namespace worvanta::pg {
class Command;
class Connection;
class Query;
}  // namespace worvanta::pg
namespace worvanta::login {
class DmCon;
}
namespace worvanta::grid {
class DataGrid;
}

namespace worvanta::import {

class QueryRowSource;
class SpreadsheetView;

// An import screen: a server view in a grid, a button that imports a CSV
// file through the screen's insert function, and the spreadsheet panel that
// shows the loaded file after a failed import. One class for all five
// screens; the parameters say which.
class ImportScreen : public QWidget {
    Q_OBJECT
public:
    ImportScreen(const ScreenParams& params, login::DmCon& dmCon, QWidget* parent = nullptr);
    ImportScreen(const ScreenParams& params, pg::Connection& connection, const grid::GridStyleSheet& styleSheet,
                 QWidget* parent = nullptr);
    ~ImportScreen() override;

    const ScreenParams& params() const { return params_; }

    // The three button handlers. They raise AppError; the buttons run them
    // through the default error display.
    void cautaClick();
    void preluareFisierCsvClick();
    void inchidePanelClick();

    pg::Query& viewQuery() const { return *viewQuery_; }
    pg::Command& insertCommand() const { return *insertCommand_; }
    grid::DataGrid& dataGrid() const { return *grid_; }
    SpreadsheetView& spreadsheet() const { return *spreadsheet_; }
    QWidget& panel2() const { return *panel2_; }

    // Tests pin the regional settings and shrink the payload limit; the
    // program reads the workstation's settings at each import.
    void setRegionalSettings(std::optional<engine::RegionalSettings> settings) { regional_ = std::move(settings); }
    void setPayloadLimit(std::size_t bytes) { payloadLimit_ = bytes; }

private:
    void buildComponents(const grid::GridStyleSheet& styleSheet);
    void openOrRefreshView();
    void loadIntoSpreadsheet(const std::string& path);
    void sendToServer(const engine::Sheet& sheet);
    engine::RegionalSettings regionalSettings() const;

    const ScreenParams& params_;
    std::unique_ptr<pg::Query> viewQuery_;
    std::unique_ptr<pg::Command> insertCommand_;
    std::unique_ptr<QueryRowSource> rows_;
    QWidget* panel1_ = nullptr;
    QLabel* title_ = nullptr;
    QPushButton* cautaButton_ = nullptr;
    QPushButton* preluareButton_ = nullptr;
    grid::DataGrid* grid_ = nullptr;
    QWidget* panel2_ = nullptr;
    QPushButton* inchideButton_ = nullptr;
    SpreadsheetView* spreadsheet_ = nullptr;
    std::optional<engine::RegionalSettings> regional_;
    std::size_t payloadLimit_ = kMaxPayloadBytes;
};

}  // namespace worvanta::import
