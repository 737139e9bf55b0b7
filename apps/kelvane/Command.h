#pragma once
// A subcommand of the kelvane tool. Each command is one file that defines its CLI11 subcommand;
// make_commands() lists them all.
#include <memory>
#include <ostream>
#include <vector>

namespace CLI {
class App;
}

namespace kv::app {

class Command {
  public:
    virtual ~Command() = default;
    // Adds the subcommand, its options and its help to `parent`; the options bind to the
    // command's own fields.
    virtual CLI::App* define(CLI::App& parent) = 0;
    // Runs after a successful parse: results to `out`, problems to `err`. Returns the exit
    // status: 0 success, 1 findings, 2 bad input or usage.
    virtual int run(std::ostream& out, std::ostream& err) = 0;
};

// The commands, one file each.
std::unique_ptr<Command> demo_command();
std::unique_ptr<Command> layout_command();
std::unique_ptr<Command> run_command();  // in a build with the Qt host only
std::unique_ptr<Command> render_command();
std::unique_ptr<Command> check_command();
std::unique_ptr<Command> set_command();
std::unique_ptr<Command> code_command();
std::unique_ptr<Command> design_command();
std::unique_ptr<Command> store_command();
std::unique_ptr<Command> export_command();
std::unique_ptr<Command> about_command();

// A fresh instance of every command, in the order `kelvane --help` lists them.
std::vector<std::unique_ptr<Command>> make_commands();

}  // namespace kv::app
