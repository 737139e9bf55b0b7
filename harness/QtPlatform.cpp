#include "harness/QtPlatform.h"

#include <QGuiApplication>
#include <cstdlib>

namespace kv::app {

bool has_display() {
    return std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") ||
           std::getenv("WAYLAND_DISPLAY");
}

std::string platform_without_user() {
    const std::string name = QGuiApplication::platformName().toStdString();
    return name == "offscreen" || name == "minimal" || name == "minimalegl" ? name : "";
}

}  // namespace kv::app
