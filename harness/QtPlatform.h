#pragma once
// Where the Qt host's windows go: whether there is a display to open them on, and whether a
// person can work them there (the offscreen platform shows them to nobody).
#include <string>

namespace kv::app {

// A display or a platform is named (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM).
bool has_display();

// The running application's platform when nobody can see or work its windows ("offscreen",
// "minimal"), "" when someone can. Needs the QGuiApplication.
std::string platform_without_user();

}  // namespace kv::app
