// The import's steps that end before the server is reached: these need no
// database, so the connection points at a port where nothing listens.
#include <gtest/gtest.h>

#include <ostream>

#include <QPushButton>

#include "engine/sheet.h"
#include "import/import_screen.h"
#include "import/payload_limit.h"
#include "import/spreadsheet_view.h"
#include "pg/command.h"
#include "pg/connection.h"
#include "pg/query.h"
#include "recording_prompter.h"
#include "screen_files.h"
#include "ui/error_display.h"

namespace worvanta::import {
namespace {

using testing::kAllPaymentsHeader;
using testing::kVmsHeader;
using testing::ScreenFiles;
using worvanta::testing::RecordingPrompter;

class OfflineImportTest : public ::testing::Test {
protected:
    OfflineImportTest() {
        connection_.setServer("127.0.0.1");
        connection_.setPort(1);
        connection_.setDatabase("none");
        connection_.setUser("nobody");
        screen_ = std::make_unique<ImportScreen>(vmsPerformanceAgregatScreen(), connection_, styles_);
        screen_->setRegionalSettings(engine::RegionalSettings::unitedStates());
    }

    void clickImport() { screen_->findChild<QPushButton*>("ButtonPreluareFisierCsv")->click(); }
    QString lastError() const { return prompter_.errors.empty() ? QString() : prompter_.errors.back().text; }
    // Leaves a loaded file in the spreadsheet: a failed header check keeps it.
    void loadWrongHeaderFile() {
        prompter_.files.push_back(files_.write("earlier.csv", "Call Day,Type\n1,2\n"));
        clickImport();
        ASSERT_NE(screen_->spreadsheet().sheet(), nullptr);
        screen_->panel2().hide();
        prompter_.clear();
    }

    RecordingPrompter prompter_;
    ScreenFiles files_;
    pg::Connection connection_{"conVarnok"};
    grid::GridStyleSheet styles_;
    std::unique_ptr<ImportScreen> screen_;
};

TEST_F(OfflineImportTest, WithoutAGateTheDialogOpensAtOnceAndCancelIsReported) {
    clickImport();
    EXPECT_EQ(prompter_.dialogs, std::vector<QString>{"OpenDialog1"});
    ASSERT_EQ(prompter_.errors.size(), 1u);
    EXPECT_EQ(prompter_.errors[0].text, "Nu s-a ales nici un fisier...");
    EXPECT_EQ(prompter_.errors[0].title, ui::applicationTitle());
    EXPECT_FALSE(screen_->panel2().isVisibleTo(screen_.get()));
}

TEST_F(OfflineImportTest, CancelLeavesTheSpreadsheetAndPanelAsTheyWere) {
    loadWrongHeaderFile();
    const engine::Sheet* earlier = screen_->spreadsheet().sheet();
    screen_->panel2().show();
    clickImport();  // the script holds no file: cancel
    EXPECT_EQ(lastError(), "Nu s-a ales nici un fisier...");
    EXPECT_EQ(screen_->spreadsheet().sheet(), earlier);
    EXPECT_TRUE(screen_->panel2().isVisibleTo(screen_.get()));
}

struct RefusedName {
    const char* name;
};

// Names the case in test output.
void PrintTo(const RefusedName& c, std::ostream* os) { *os << c.name; }

class RefusedExtensionTest : public OfflineImportTest, public ::testing::WithParamInterface<RefusedName> {};

TEST_P(RefusedExtensionTest, IsRefusedBeforeAnythingIsLoaded) {
    loadWrongHeaderFile();
    const engine::Sheet* earlier = screen_->spreadsheet().sheet();
    // A valid file under the refused name: it would pass if it were loaded.
    prompter_.files.push_back(files_.write(GetParam().name, std::string(kVmsHeader) + "\n"));
    clickImport();
    EXPECT_EQ(lastError(), "Extensia fisier trebuie sa fie \"csv\"");
    EXPECT_EQ(screen_->spreadsheet().sheet(), earlier);
    EXPECT_FALSE(screen_->panel2().isVisibleTo(screen_.get()));
}

INSTANTIATE_TEST_SUITE_P(Names, RefusedExtensionTest,
                         ::testing::Values(RefusedName{"plati.csv.txt"}, RefusedName{"plati.txt"},
                                           RefusedName{"plati"}, RefusedName{"plati.csvx"}));

TEST_F(OfflineImportTest, UnreadableFileShowsTheFileSystemsMessageUnwrapped) {
    loadWrongHeaderFile();
    prompter_.files.push_back(files_.missing("absent.csv"));
    clickImport();
    ASSERT_EQ(prompter_.errors.size(), 1u);
    EXPECT_FALSE(lastError().startsWith("Err - ")) << lastError().toStdString();
    EXPECT_FALSE(lastError().isEmpty());
    EXPECT_TRUE(screen_->spreadsheet().isEmpty());
    EXPECT_FALSE(screen_->panel2().isVisibleTo(screen_.get()));
}

struct HeaderCase {
    const char* label;
    std::string content;
    const char* message;
};

// Names the case in test output.
void PrintTo(const HeaderCase& c, std::ostream* os) { *os << c.label; }

class HeaderMismatchTest : public OfflineImportTest, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(HeaderMismatchTest, IsWrappedShowsThePanelAndSendsNothing) {
    prompter_.files.push_back(files_.write("x.CSV", GetParam().content));
    clickImport();
    ASSERT_EQ(prompter_.errors.size(), 1u);
    EXPECT_EQ(lastError(), QString("Err - ") + GetParam().message) << GetParam().label;
    EXPECT_TRUE(screen_->panel2().isVisibleTo(screen_.get()));
    EXPECT_FALSE(screen_->spreadsheet().isEmpty());
    EXPECT_FALSE(screen_->insertCommand().isOpen());
    EXPECT_EQ(connection_.connectCount(), 0);
    EXPECT_TRUE(prompter_.infos.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderMismatchTest,
    ::testing::Values(
        HeaderCase{"empty file", "", " Coloana A din fisier trebuie sa se numeasca \"Call Date\""},
        HeaderCase{"blank first line", "\n" + std::string(kVmsHeader) + "\n",
                   " Coloana A din fisier trebuie sa se numeasca \"Call Date\""},
        HeaderCase{"columns swapped", "Call Date,DFund ID,Type,Amount,Time,Market\n",
                   " Coloana B din fisier trebuie sa se numeasca \"Type\""},
        HeaderCase{"too few columns", "Call Date,Type,DFund ID,Amount\n",
                   " Coloana E din fisier trebuie sa se numeasca \"Time\""},
        HeaderCase{"space inside a quoted header", "Call Date,Type,\" DFund ID\",Amount,Time,Market\n",
                   " Coloana C din fisier trebuie sa se numeasca \"DFund ID\""},
        HeaderCase{"space after the last header", std::string(kVmsHeader) + " \n",
                   " Coloana F din fisier trebuie sa se numeasca \"Market\""}));

TEST_F(OfflineImportTest, PayloadOverTheLimitFailsBeforeAnythingIsSent) {
    screen_->setPayloadLimit(40);
    prompter_.files.push_back(
        files_.write("big.csv", std::string(kVmsHeader) + "\n2024-01-02,VMS,DF1,12.5,10:00:00,RO\n"));
    clickImport();
    ASSERT_EQ(prompter_.errors.size(), 1u);
    EXPECT_TRUE(lastError().startsWith("Err - Fisierul este prea mare")) << lastError().toStdString();
    EXPECT_TRUE(lastError().contains("40 octeti"));
    EXPECT_TRUE(screen_->panel2().isVisibleTo(screen_.get()));
    EXPECT_EQ(connection_.connectCount(), 0);
    EXPECT_FALSE(screen_->viewQuery().isOpen());
}

TEST_F(OfflineImportTest, ConnectionFailureIsWrappedAndTheViewStaysClosed) {
    prompter_.files.push_back(files_.write("ok.csv", std::string(kVmsHeader) + "\n2024-01-02,VMS,DF1,1,10:00,RO\n"));
    clickImport();
    ASSERT_EQ(prompter_.errors.size(), 1u);
    EXPECT_TRUE(lastError().startsWith("Err - ")) << lastError().toStdString();
    EXPECT_GT(lastError().size(), 7);
    EXPECT_TRUE(screen_->panel2().isVisibleTo(screen_.get()));
    EXPECT_FALSE(screen_->viewQuery().isOpen());
    EXPECT_TRUE(prompter_.infos.empty());
}

TEST_F(OfflineImportTest, InchideHidesThePanelAndEmptiesTheSpreadsheet) {
    prompter_.files.push_back(files_.write("bad.csv", "nope\n"));
    clickImport();
    ASSERT_TRUE(screen_->panel2().isVisibleTo(screen_.get()));
    screen_->findChild<QPushButton*>("ButtonInchidePanel")->click();
    EXPECT_FALSE(screen_->panel2().isVisibleTo(screen_.get()));
    EXPECT_TRUE(screen_->spreadsheet().isEmpty());
    EXPECT_EQ(screen_->spreadsheet().model()->rowCount(), 0);
    EXPECT_EQ(prompter_.errors.size(), 1u);  // "Inchide" itself says nothing
}

TEST_F(OfflineImportTest, SpreadsheetShowsTheLoadedFileWithLettersAndRowNumbers) {
    prompter_.files.push_back(files_.write("bad.csv", "Call Day,Type\n\"a,b\",x\n"));
    clickImport();
    const QAbstractItemModel& sheet = *screen_->spreadsheet().model();
    ASSERT_EQ(sheet.rowCount(), 2);
    ASSERT_EQ(sheet.columnCount(), 2);
    EXPECT_EQ(sheet.headerData(1, Qt::Horizontal).toString(), "B");
    EXPECT_EQ(sheet.headerData(1, Qt::Vertical).toString(), "2");
    EXPECT_EQ(sheet.index(1, 0).data().toString(), "a,b");
    EXPECT_FALSE(sheet.flags(sheet.index(0, 0)) & Qt::ItemIsEditable);
}

TEST(GatedScreenOffline, GateRefusesBeforeAnyDialog) {
    RecordingPrompter prompter;
    pg::Connection connection("conVarnok");
    grid::GridStyleSheet styles;
    ImportScreen screen(allPaymentsScreen(), connection, styles);
    screen.findChild<QPushButton*>("ButtonPreluareFisierCsv")->click();
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_EQ(prompter.errors[0].text, "Apasati butonul \"Cauta\"");
    EXPECT_TRUE(prompter.dialogs.empty());
    EXPECT_EQ(connection.connectCount(), 0);
}

}  // namespace
}  // namespace worvanta::import
