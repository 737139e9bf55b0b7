#include "host/common/OffscreenGui.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace kv::host {

namespace {

void quiet(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(msg));
}

}  // namespace

void ensure_gui() {
    if (QGuiApplication::instance()) return;
    qInstallMessageHandler(quiet);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "kelvane";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app(new QGuiApplication(argc, argv));
}

}  // namespace kv::host
