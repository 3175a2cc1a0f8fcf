#include "app/start_up.h"

#include <exception>

#include "app/import_screens.h"
#include "ui/error_display.h"
#include "ui/prompter.h"

namespace worvanta::app {

std::unique_ptr<AppWindows> createWindows()
{
    auto windows = std::make_unique<AppWindows>();
    windows->fMenuOrvanta = std::make_unique<TfMenuOrvanta>();
    windows->dmCon = std::make_unique<login::DmCon>();
    windows->frmLogin = std::make_unique<login::TfrmLogin>(*windows->dmCon, windows->fMenuOrvanta.get());
    const std::array<QWidget*, 5> screens = createImportScreens(*windows->dmCon);
    for (std::size_t i = 0; i < screens.size(); ++i)
        windows->screens[i].reset(screens[i]);
    windows->fMenuOrvanta->attach(windows->dmCon.get(), windows->frmLogin.get(), screens);
    return windows;
}

WorvantaApplication::WorvantaApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool WorvantaApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportFatalError(QString::fromUtf8(error.what()));
    } catch (...) {
        reportFatalError(QStringLiteral("Eroare necunoscuta"));
    }
    QCoreApplication::exit(kFatalExitCode);
    return false;
}

void reportFatalError(const QString& message)
{
    ui::prompter().showError(nullptr, ui::applicationTitle(), ui::errorDisplayText(message));
}

int runApplication(const std::function<std::unique_ptr<AppWindows>()>& create)
{
    std::unique_ptr<AppWindows> windows;
    try {
        windows = create();
    } catch (const std::exception& error) {
        reportFatalError(QString::fromUtf8(error.what()));
        return kFatalExitCode;
    }
    // Closing the main window ends the run, even with import screens open.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(windows->fMenuOrvanta.get(), &TfMenuOrvanta::closed, qApp, &QCoreApplication::quit);
    windows->fMenuOrvanta->show();
    return QApplication::exec();
}

}  // namespace worvanta::app
