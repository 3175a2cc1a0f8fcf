#include "app/import_screens.h"

#include "login/dm_con.h"

namespace worvanta::app {

namespace {

// Until the import screens are built, each is an empty window with its name.
QWidget* placeholderScreen(const char* name)
{
    auto* screen = new QWidget;
    screen->setObjectName(QString::fromLatin1(name));
    screen->setWindowTitle(QString::fromLatin1(name));
    screen->resize(800, 500);
    return screen;
}

}  // namespace

std::array<QWidget*, 5> createImportScreens(login::DmCon& /*dmCon*/)
{
    return {placeholderScreen("fCashCallClient"), placeholderScreen("fCashCallDefEfs"),
            placeholderScreen("fAllPayments"), placeholderScreen("fVmsPerformanceAgregat"),
            placeholderScreen("fVmSettlementStatusP")};
}

}  // namespace worvanta::app
