#pragma once
// A subcommand of the kelvane tool. Each command is one file: it defines its CLI11 subcommand
// and registers itself, so that adding a command touches no other file.
#include <functional>
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

using CommandFactory = std::function<std::unique_ptr<Command>()>;

// Registers a command; `rank` orders the commands in `kelvane --help`. Returns true, so that a
// command file can register from a namespace-scope initialiser.
bool register_command(int rank, CommandFactory factory);

template <class C>
bool register_command(int rank) {
    return register_command(rank, [] { return std::make_unique<C>(); });
}

// A fresh instance of every registered command, in rank order.
std::vector<std::unique_ptr<Command>> make_commands();

}  // namespace kv::app
