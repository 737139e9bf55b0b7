#include "host/qt/QtProcessSetup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QString>
#include <cstdlib>
#include <string>

namespace kv::qt {

namespace {

// A folder of ours that nobody else may enter, not reached through a link.
bool private_folder(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() &&
           (st.st_mode & 0777) == 0700;
}

bool windowless_platform() {
    const QString name = QGuiApplication::platformName();
    return name == "offscreen" || name == "minimal";
}

QtMessageHandler previous_handler = nullptr;

void quiet_handler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // Told on every change of a window's size limits where no window manager could use them.
    if (type == QtWarningMsg && windowless_platform() &&
        text == "This plugin does not support propagateSizeHints()")
        return;
    if (previous_handler)
        previous_handler(type, context, text);
    else
        qt_message_output(type, context, text);
}

}  // namespace

const char* prepare_runtime_dir() {
    static std::string dir;
    const char* set = std::getenv("XDG_RUNTIME_DIR");
    if (set && *set && private_folder(set)) return set;
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = tmp && *tmp ? tmp : "/tmp";
    dir = base + "/runtime-kelvane-" + std::to_string(geteuid());
    if (!private_folder(dir) && mkdir(dir.c_str(), 0700) != 0) {
        // Taken by something else (another user's, a link, other rights): a fresh one.
        std::string pattern = base + "/runtime-kelvane-XXXXXX";
        if (!mkdtemp(pattern.data())) return "";
        dir = pattern;
    }
    if (!private_folder(dir)) return "";
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    return dir.c_str();
}

void prepare_qt_process() {
    prepare_runtime_dir();
    static bool installed = false;
    if (installed) return;
    installed = true;
    previous_handler = qInstallMessageHandler(quiet_handler);
}

bool platform_grabs_mouse() {
    return !windowless_platform();
}

bool platform_has_user() {
    return !windowless_platform();
}

}  // namespace kv::qt
