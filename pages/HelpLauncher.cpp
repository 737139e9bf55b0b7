#include "pages/HelpLauncher.h"

#include "engine/Error.h"
#include "engine/Host.h"

namespace kv {

std::string help_page_of(int context) {
    switch (context) {
        case 1000:
            return "code.html";
        case 1010:
            return "panes.html";
        case 1020:
            return "controls.html";
        default:
            return "index.html";
    }
}

void show_help(int context) {
    PageHost& pages = Host::current().page_host();
    std::string folder = pages.help_folder();
    if (folder.empty()) throw Error(53, "File not found: the help pages are not installed");
    if (folder.back() != '/') folder += '/';
    pages.open_document(folder + help_page_of(context));
}

}  // namespace kv
