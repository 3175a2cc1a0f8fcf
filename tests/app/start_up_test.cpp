#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/start_up.h"
#include "common/app_error.h"
#include "recording_prompter.h"

namespace {

using worvanta::app::AppWindows;
using worvanta::app::kFatalExitCode;

TEST(StartUp, CreatesEveryWindowOnceAndOpensNoConnection)
{
    worvanta::testing::RecordingPrompter prompter;
    const auto windows = worvanta::app::createWindows();
    // Servers that can't be reached must make no difference before a login.
    windows->dmCon->conVarnokMob.setServer("192.0.2.1");
    windows->dmCon->conVarnok.setServer("192.0.2.2");
    windows->fMenuOrvanta->show();
    QApplication::processEvents();

    EXPECT_EQ(windows->dmCon->objectName(), QStringLiteral("dmCon"));
    EXPECT_EQ(windows->frmLogin->objectName(), QStringLiteral("frmLogin"));
    const QStringList screenNames = {"fCashCallClient", "fCashCallDefEfs", "fAllPayments",
                                     "fVmsPerformanceAgregat", "fVmSettlementStatusP"};
    for (std::size_t i = 0; i < windows->screens.size(); ++i) {
        EXPECT_EQ(windows->screens[i]->objectName(), screenNames[static_cast<qsizetype>(i)]);
        EXPECT_FALSE(windows->screens[i]->isVisible());
    }
    EXPECT_FALSE(windows->frmLogin->isVisible());
    EXPECT_TRUE(windows->fMenuOrvanta->isVisible());

    for (const worvanta::pg::Connection* connection :
         {&windows->dmCon->conVarnokMob, &windows->dmCon->conVarnok}) {
        EXPECT_FALSE(connection->isConnected()) << connection->name();
        EXPECT_EQ(connection->connectCount(), 0) << connection->name();
    }
    EXPECT_TRUE(prompter.errors.empty());
    EXPECT_TRUE(windows->dmCon->glNumeFirma.empty());
    EXPECT_FALSE(windows->dmCon->dsEu.isOpen());
}

TEST(StartUp, ClosingTheMainWindowEndsTheRunWithScreensOpen)
{
    worvanta::testing::RecordingPrompter prompter;
    const int code = worvanta::app::runApplication([] {
        auto windows = worvanta::app::createWindows();
        windows->screens[2]->show();
        windows->screens[4]->show();
        QTimer::singleShot(0, windows->fMenuOrvanta.get(), [menu = windows->fMenuOrvanta.get()] { menu->close(); });
        return windows;
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(prompter.errors.empty());
}

TEST(StartUp, FatalErrorWhileCreatingTheWindowsEndsWith217AfterAMessage)
{
    worvanta::testing::RecordingPrompter prompter;
    const int code = worvanta::app::runApplication(
        []() -> std::unique_ptr<AppWindows> { throw worvanta::AppError("Nu se poate crea fereastra"); });
    EXPECT_EQ(code, kFatalExitCode);
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_EQ(prompter.errors[0].text, QStringLiteral("Nu se poate crea fereastra."));
}

TEST(StartUp, ErrorEscapingTheMessageLoopEndsWith217AfterAMessage)
{
    worvanta::testing::RecordingPrompter prompter;
    const int code = worvanta::app::runApplication([] {
        auto windows = worvanta::app::createWindows();
        QTimer::singleShot(0, windows->fMenuOrvanta.get(), [] { throw std::runtime_error("scapat din bucla"); });
        return windows;
    });
    EXPECT_EQ(code, kFatalExitCode);
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_EQ(prompter.errors[0].text, QStringLiteral("scapat din bucla."));
}

}  // namespace
