#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/start_up.h"

// The program's own application object, without a display, and a settings
// folder of the run's own so that no real login cache is read or written.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    worvanta::app::WorvantaApplication application(argc, argv);
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
