#pragma once
#include <QApplication>
#include <array>
#include <functional>
#include <memory>

#include "app/menu_form.h"
#include "login/dm_con.h"
#include "login/login_form.h"

namespace worvanta::app {

// Exit code of a run that ended with a fatal error.
inline constexpr int kFatalExitCode = 217;

// Every window and the data module, one instance each, alive until the end of
// the run. Members are destroyed in reverse order: the screens and the login
// form before the data module they use, the main window last.
struct AppWindows {
    std::unique_ptr<TfMenuOrvanta> fMenuOrvanta;
    std::unique_ptr<login::DmCon> dmCon;
    std::unique_ptr<login::TfrmLogin> frmLogin;
    std::array<std::unique_ptr<QWidget>, 5> screens;
};

// Creates them in start-up order: menu, data module, login form, screens.
std::unique_ptr<AppWindows> createWindows();

// The application object: an error that escapes an event handler ends the
// run with the fatal exit code after a message.
class WorvantaApplication : public QApplication {
    Q_OBJECT
public:
    WorvantaApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows the fatal error message, titled with the application title.
void reportFatalError(const QString& message);

// Creates the windows, shows the main window and runs the message loop until
// the main window closes. Returns the exit code: kFatalExitCode after a fatal
// error during creation or one that escaped the loop.
int runApplication(const std::function<std::unique_ptr<AppWindows>()>& create = createWindows);

}  // namespace worvanta::app
