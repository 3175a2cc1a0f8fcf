#include "import/import_screen.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/app_error.h"
#include "engine/import_engine.h"
#include "grid/data_grid.h"
#include "import/anchored_child.h"
#include "import/file_extension.h"
#include "import/query_row_source.h"
#include "import/spreadsheet_view.h"
#include "locale/system_regional_settings.h"
#include "login/dm_con.h"
#include "pg/command.h"
#include "pg/query.h"
#include "ui/error_display.h"
#include "ui/prompter.h"
#include "ui/wait_cursor.h"

namespace worvanta::import {
namespace {

const char* const kMessageGate = "Apasati butonul \"Cauta\"";
const char* const kMessageNoFile = "Nu s-a ales nici un fisier...";
const char* const kMessageExtension = "Extensia fisier trebuie sa fie \"csv\"";
const char* const kMessageDone = "Fisierul Excel a fost preluat.";
const char* const kWrapPrefix = "Err - ";

QPushButton* button(QWidget* parent, const std::string& name, const QString& caption, QRect place) {
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(QString::fromStdString(name));
    result->setGeometry(place);
    result->setAutoDefault(false);
    return result;
}

// Clears the insert command's parameter when the call is over, so the
// payload (up to a gigabyte) is not kept until the next import.
class ParameterRelease {
public:
    ParameterRelease(pg::Command& command, std::string name) : command_(command), name_(std::move(name)) {}
    ~ParameterRelease() {
        try {
            command_.setParam(name_, std::string());
        } catch (const std::exception&) {
            // an unknown parameter holds no payload
        }
    }
    ParameterRelease(const ParameterRelease&) = delete;
    ParameterRelease& operator=(const ParameterRelease&) = delete;

private:
    pg::Command& command_;
    std::string name_;
};

}  // namespace

ImportScreen::ImportScreen(const ScreenParams& params, login::DmCon& dmCon, QWidget* parent)
    : ImportScreen(params, dmCon.conVarnok, dmCon.GridTableViewStyleSheetDevExpress, parent) {}

ImportScreen::ImportScreen(const ScreenParams& params, pg::Connection& connection,
                           const grid::GridStyleSheet& styleSheet, QWidget* parent)
    : QWidget(parent, Qt::Window), params_(params) {
    const db::ImportStatements& statements = *params_.statements;
    viewQuery_ = std::make_unique<pg::Query>(statements.viewQueryName, connection, statements.viewStatement,
                                             statements.viewFields);
    insertCommand_ = std::make_unique<pg::Command>(statements.functionName, connection, statements.insertStatement);
    rows_ = std::make_unique<QueryRowSource>(*viewQuery_, params_.gridColumns);
    buildComponents(styleSheet);
}

ImportScreen::~ImportScreen() = default;

void ImportScreen::buildComponents(const grid::GridStyleSheet& styleSheet) {
    const DesignSizes& sizes = params_.sizes;
    setObjectName(QString::fromStdString(params_.instanceName));
    setWindowTitle(QString::fromStdString(params_.instanceName));
    QFont windowFont(QStringLiteral("Segoe UI"));
    windowFont.setPixelSize(12);
    setFont(windowFont);

    panel1_ = new QWidget(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel2_ = new QWidget(this);
    panel2_->setObjectName(QStringLiteral("Panel2"));
    panel2_->setFixedHeight(sizes.panel2Height);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel1_, 1);
    layout->addWidget(panel2_);

    title_ = new QLabel(QString::fromStdString(params_.titleText), panel1_);
    title_->setObjectName(QStringLiteral("Label3"));
    QFont titleFont(QStringLiteral("Segoe UI"));
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    QPalette titlePalette = title_->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::red);
    title_->setPalette(titlePalette);
    title_->move(8, 8);
    title_->adjustSize();

    cautaButton_ = button(panel1_, params_.cautaButtonName, QStringLiteral("Cauta"), sizes.cautaButton);
    preluareButton_ = button(panel1_, "ButtonPreluareFisierCsv", QStringLiteral("Preluare fisier csv in VARNOK"),
                             sizes.preluareButton);

    grid_ = new grid::DataGrid(panel1_);
    grid_->setColumns(params_.gridColumns);
    grid_->applyStyleSheet(styleSheet);
    grid_->setProperty("dataSource", QString::fromStdString(params_.statements->dataSourceName));
    grid_->setSource(rows_.get());
    const QSize panel1Design(sizes.clientArea.width(), sizes.clientArea.height() - sizes.panel2Height);
    new AnchoredChild(grid_, sizes.grid, panel1Design);

    inchideButton_ = button(panel2_, "ButtonInchidePanel", QStringLiteral("Inchide"), sizes.inchideButton);
    spreadsheet_ = new SpreadsheetView(panel2_);
    new AnchoredChild(spreadsheet_, sizes.spreadsheet, QSize(sizes.clientArea.width(), sizes.panel2Height));

    setTabOrder(cautaButton_, preluareButton_);
    setTabOrder(preluareButton_, grid_);
    panel2_->hide();
    resize(sizes.clientArea);

    connect(cautaButton_, &QPushButton::clicked, this, [this] { ui::runHandler(this, [this] { cautaClick(); }); });
    connect(preluareButton_, &QPushButton::clicked, this,
            [this] { ui::runHandler(this, [this] { preluareFisierCsvClick(); }); });
    connect(inchideButton_, &QPushButton::clicked, this,
            [this] { ui::runHandler(this, [this] { inchidePanelClick(); }); });
}

void ImportScreen::cautaClick() { openOrRefreshView(); }

void ImportScreen::inchidePanelClick() {
    panel2_->hide();
    spreadsheet_->clear();
}

void ImportScreen::preluareFisierCsvClick() {
    if (params_.gate && !viewQuery_->isOpen()) throw AppError(kMessageGate);
    const std::optional<QString> chosen = ui::prompter().chooseFile(this, QStringLiteral("OpenDialog1"));
    if (!chosen) throw AppError(kMessageNoFile);
    const std::string path = QFile::encodeName(*chosen).toStdString();
    if (!hasCsvExtension(path)) throw AppError(kMessageExtension);
    loadIntoSpreadsheet(path);
    try {
        sendToServer(*spreadsheet_->sheet());
    } catch (const AppError& error) {
        panel2_->show();
        throw AppError(kWrapPrefix + error.message());
    }
    openOrRefreshView();
    ui::prompter().showInfo(this, ui::applicationTitle(), QString::fromUtf8(kMessageDone));
}

void ImportScreen::loadIntoSpreadsheet(const std::string& path) {
    spreadsheet_->clear();
    const ui::WaitCursor wait;
    // The engine takes the file's bytes over and frees them once the sheet holds the cells.
    spreadsheet_->showSheet(
        std::make_shared<engine::Sheet>(engine::loadCsv(engine::readFileBytes(path), regionalSettings())));
}

void ImportScreen::sendToServer(const engine::Sheet& sheet) {
    const ui::WaitCursor wait;
    if (std::optional<std::string> message = engine::checkHeader(sheet, *params_.layout)) throw AppError(*message);
    std::string payload = engine::buildPayload(sheet, *params_.layout);
    checkPayloadSize(payload.size(), payloadLimit_);
    if (insertCommand_->isOpen()) insertCommand_->close();
    const ParameterRelease release(*insertCommand_, params_.statements->parameterLookedUp);
    insertCommand_->setParam(params_.statements->parameterLookedUp, std::move(payload));
    insertCommand_->execute();
}

void ImportScreen::openOrRefreshView() {
    const ui::WaitCursor wait;
    grid_->beginSourceChange();
    try {
        if (viewQuery_->isOpen()) {
            viewQuery_->refresh();
        } else {
            viewQuery_->open();
        }
    } catch (...) {
        grid_->endSourceChange(rows_.get());
        throw;
    }
    grid_->endSourceChange(rows_.get());
}

engine::RegionalSettings ImportScreen::regionalSettings() const {
    return regional_ ? *regional_ : locale::systemRegionalSettings();
}

}  // namespace worvanta::import
