#include "control/AboutBox.h"

#include "engine/Error.h"
#include "engine/Host.h"

namespace kv {

const char* kelvane_version() {
    return KV_VERSION;
}

const std::vector<std::vector<std::string>>& system_info_tools() {
    static const std::vector<std::vector<std::string>> tools = {
        {"gnome-system-monitor", "--show-resources-tab"},
        {"plasma-systemmonitor"},
        {"xfce4-taskmanager"},
        {"hardinfo"},
    };
    return tools;
}

void show_system_info() {
    PageHost& pages = Host::current().page_host();
    for (const auto& tool : system_info_tools())
        if (pages.start_program(tool)) return;
    Host::current().msg_box(pages.system_facts(), kOKOnly + kInformation, "System Information");
}

void show_about_box() {
    AboutBox box;
    box.title = "About zokKelvane";
    box.text = std::string("zokKelvane\r\nVersion ") + kelvane_version() +
               "\r\n\r\nKeeps the controls of a form in place when the form is resized, splits "
               "containers into panes and remembers where the form was.\r\n\r\nQuillon";
    box.system_info = show_system_info;
    PageHost* pages = nullptr;
    try {
        pages = &Host::current().page_host();
    } catch (const Error& e) {
        if (e.number() != kErrNoSuchProperty) throw;
    }
    // A host without dialogs of its own still says what the product is.
    if (!pages) {
        Host::current().msg_box(box.text, kOKOnly + kInformation, box.title);
        return;
    }
    pages->show_about(box);
}

}  // namespace kv
