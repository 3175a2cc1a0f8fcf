// Benchmark driver: one CSV import through the all-payments import screen,
// the way the program runs it, with the file dialog and the message boxes
// answered by a recorder.
//
//   worvanta-screen-bench PORT DATABASE PASSWORD CSVFILE
//
// Connects as the program does (role varnok, 127.0.0.1:PORT, SSL preferred),
// presses "Cauta" so the view is open, then times the press of
// ButtonPreluareFisierCsv from the click to the painted grid. The phases are
// read from the models' reset signals: the spreadsheet holds the file, the
// grid lets go of its rows (payload built and function called), the grid shows
// the refreshed view. A second "Cauta" then times a refresh on its own.
//
// Prints key=value pairs on stdout, one line per measurement, and each message
// the screen showed. Exits 1 unless the screen said only that the file was
// taken in.
#include <QApplication>
#include <QPushButton>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "grid/data_grid.h"
#include "grid/grid_model.h"
#include "import/import_screen.h"
#include "import/screen_params.h"
#include "import/sheet_model.h"
#include "import/spreadsheet_view.h"
#include "login/dm_con.h"
#include "pg/ssl_mode.h"
#include "ui/prompter.h"

namespace {

using Clock = std::chrono::steady_clock;
using worvanta::import::ImportScreen;

const char* const kSuccess = "Fisierul Excel a fost preluat.";

double secondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// Peak resident memory of this process in KiB (VmHWM), or -1 when unreadable.
long peakResidentKib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

long fileBytes(const char* path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    return in ? static_cast<long>(in.tellg()) : -1;
}

// Hands over the benchmark file and keeps every message box's text.
class RecordingPrompter : public worvanta::ui::Prompter {
public:
    explicit RecordingPrompter(QString file) : file_(std::move(file)) { worvanta::ui::installPrompter(this); }
    ~RecordingPrompter() override { worvanta::ui::installPrompter(nullptr); }
    RecordingPrompter(const RecordingPrompter&) = delete;
    RecordingPrompter& operator=(const RecordingPrompter&) = delete;

    std::optional<QString> chooseFile(QWidget*, const QString&) override { return file_; }
    void showError(QWidget*, const QString&, const QString& text) override { record("error", text); }
    void showInfo(QWidget*, const QString&, const QString& text) override { record("info", text); }

    struct Message {
        std::string kind;
        std::string text;
        Clock::time_point shownAt;
    };
    std::vector<Message> messages;

private:
    void record(const char* kind, const QString& text) {
        messages.push_back({kind, text.toStdString(), Clock::now()});
    }
    QString file_;
};

// When the models were last reset during one button press.
struct PhaseMarks {
    Clock::time_point sheetLoaded;
    Clock::time_point gridReleased;
    Clock::time_point gridShown;
};

void clickAndSettle(ImportScreen& screen, const std::string& button) {
    screen.findChild<QPushButton*>(QString::fromStdString(button))->click();
    QApplication::processEvents();  // the window paints the new rows
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: worvanta-screen-bench PORT DATABASE PASSWORD CSVFILE\n");
        return 2;
    }
    const int port = std::atoi(argv[1]);
    const char* csvPath = argv[4];
    const long csvBytes = fileBytes(csvPath);
    if (port <= 0 || csvBytes < 0) {
        std::fprintf(stderr, "worvanta-screen-bench: bad port \"%s\" or unreadable file \"%s\"\n", argv[1], csvPath);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    worvanta::login::DmCon dmCon;
    dmCon.conVarnok.setServer("127.0.0.1");
    dmCon.conVarnok.setPort(port);
    dmCon.conVarnok.setDatabase(argv[2]);
    dmCon.conVarnok.setPassword(argv[3]);
    dmCon.conVarnok.setSslMode(worvanta::pg::SslMode::Prefer);

    const worvanta::import::ScreenParams& params = worvanta::import::allPaymentsScreen();
    ImportScreen screen(params, dmCon);
    screen.show();
    QApplication::processEvents();

    RecordingPrompter prompter(QString::fromLocal8Bit(csvPath));
    clickAndSettle(screen, params.cautaButtonName);
    if (!prompter.messages.empty()) {
        std::printf("message: %s %s\n", prompter.messages.front().kind.c_str(), prompter.messages.front().text.c_str());
        return 1;
    }
    const long baselineKib = peakResidentKib();

    PhaseMarks marks;
    QObject::connect(screen.spreadsheet().sheetModel(), &QAbstractItemModel::modelReset,
                     [&marks] { marks.sheetLoaded = Clock::now(); });
    QObject::connect(screen.dataGrid().model(), &QAbstractItemModel::modelAboutToBeReset,
                     [&marks] { marks.gridReleased = Clock::now(); });
    QObject::connect(screen.dataGrid().model(), &QAbstractItemModel::modelReset,
                     [&marks] { marks.gridShown = Clock::now(); });

    const Clock::time_point start = Clock::now();
    clickAndSettle(screen, "ButtonPreluareFisierCsv");
    const Clock::time_point painted = Clock::now();
    const long peakKib = peakResidentKib();
    const int rows = screen.dataGrid().model()->rowCount();

    const bool succeeded = prompter.messages.size() == 1 && prompter.messages[0].text == kSuccess;
    const double fileMib = double(csvBytes) / (1024.0 * 1024.0);
    std::printf("import_seconds=%.3f load_seconds=%.3f send_seconds=%.3f refresh_seconds=%.3f "
                "message_seconds=%.3f rows=%d\n",
                secondsBetween(start, painted), secondsBetween(start, marks.sheetLoaded),
                secondsBetween(marks.sheetLoaded, marks.gridReleased),
                secondsBetween(marks.gridReleased, marks.gridShown),
                prompter.messages.empty() ? -1.0 : secondsBetween(start, prompter.messages[0].shownAt), rows);
    // The growth over the peak before the import leaves out Qt's own memory.
    std::printf("peak_mib=%.1f peak_x_file=%.2f file_mib=%.1f before_import_peak_mib=%.1f growth_x_file=%.2f\n",
                peakKib / 1024.0, double(peakKib) / 1024.0 / fileMib, fileMib, baselineKib / 1024.0,
                double(peakKib - baselineKib) / 1024.0 / fileMib);
    for (const RecordingPrompter::Message& message : prompter.messages) {
        std::printf("message: %s %s\n", message.kind.c_str(), message.text.c_str());
    }
    if (!succeeded) return 1;

    // The view refreshed on its own, as a second "Cauta" does it.
    const Clock::time_point again = Clock::now();
    clickAndSettle(screen, params.cautaButtonName);
    std::printf("cauta_again_seconds=%.3f rows=%d\n", secondsBetween(again, Clock::now()),
                screen.dataGrid().model()->rowCount());
    return prompter.messages.size() == 1 ? 0 : 1;
}
