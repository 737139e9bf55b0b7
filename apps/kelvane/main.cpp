// kelvane: runs forms on the memory host with the resizer control, edits their resizer
// set-up, and looks into the per-user store.
#include <iostream>
#include <string>

#include "apps/kelvane/Commands.h"

namespace {
const char* kHelp =
    "usage: kelvane COMMAND [ARGS...]   (kelvane COMMAND --help for more)\n"
    "\n"
    "  demo [--out DIR]                       run the built-in mail form through a resize\n"
    "                                         session; tables and pictures per step\n"
    "  layout FORM.frm [--size WxH]... [--json]  lay the form out at each size and print it\n"
    "  render FORM.frm [--size WxH] -o FILE.png  draw the laid-out form\n"
    "  check FORM.frm                         report set-up problems of the form's resizer\n"
    "  set FORM.frm PROPERTY=VALUE...         set resizer properties and save the form\n"
    "  store list|get|set|delete ...          look into and edit the per-user store\n"
    "\n"
    "Every command takes --store PATH (default: the user's own store) and --help.\n"
    "Exit status: 0 success, 1 findings, 2 bad input or usage.\n";
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << kHelp;
        return 2;
    }
    const std::string cmd = argv[1];
    const kv::app::Argv args(argv + 2, argv + argc);
    if (cmd == "--help" || cmd == "-h" || cmd == "help") {
        std::cout << kHelp;
        return 0;
    }
    if (cmd == "demo") return kv::app::cmd_demo(args, std::cout, std::cerr);
    if (cmd == "layout") return kv::app::cmd_layout(args, std::cout, std::cerr);
    if (cmd == "render") return kv::app::cmd_render(args, std::cout, std::cerr);
    if (cmd == "check") return kv::app::cmd_check(args, std::cout, std::cerr);
    if (cmd == "set") return kv::app::cmd_set(args, std::cout, std::cerr);
    if (cmd == "store") return kv::app::cmd_store(args, std::cout, std::cerr);
    std::cerr << "kelvane: unknown command '" << cmd << "'\n" << kHelp;
    return 2;
}
