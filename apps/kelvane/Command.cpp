#include "apps/kelvane/Command.h"

namespace kv::app {

std::vector<std::unique_ptr<Command>> make_commands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(demo_command());
    commands.push_back(layout_command());
#ifdef KV_WITH_QT_HOST
    commands.push_back(run_command());
#endif
    commands.push_back(render_command());
    commands.push_back(check_command());
    commands.push_back(set_command());
    commands.push_back(code_command());
    commands.push_back(design_command());
    commands.push_back(store_command());
    commands.push_back(export_command());
    commands.push_back(about_command());
    return commands;
}

}  // namespace kv::app
