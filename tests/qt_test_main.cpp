// The Qt tests' main: a QApplication (offscreen unless a platform is chosen), then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>

#include "host/qt/QtProcessSetup.h"

int main(int argc, char** argv) {
#ifdef KV_OFFSCREEN_SCREENS
    // A screen as large as the memory host's, so that windows as large as the tool's forms fit.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" KV_OFFSCREEN_SCREENS);
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef KV_PLUGIN_DIR
    // The Designer tests: the plugin from the build tree, Designer's settings kept apart.
    qputenv("QT_PLUGIN_PATH", KV_PLUGIN_DIR);
    qputenv("XDG_CONFIG_HOME", KV_DESIGNER_CONFIG);
#endif
    kv::qt::prepare_qt_process();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
