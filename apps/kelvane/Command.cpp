#include "apps/kelvane/Command.h"

#include <algorithm>
#include <utility>

namespace kv::app {

namespace {

struct Registered {
    int rank;
    CommandFactory factory;
};

// Filled during static initialisation, from every command's file: a function-local list is
// there before the first registration asks for it.
std::vector<Registered>& registry() {
    static std::vector<Registered> list;
    return list;
}

}  // namespace

bool register_command(int rank, CommandFactory factory) {
    registry().push_back({rank, std::move(factory)});
    return true;
}

std::vector<std::unique_ptr<Command>> make_commands() {
    auto list = registry();
    std::stable_sort(list.begin(), list.end(),
                     [](const Registered& a, const Registered& b) { return a.rank < b.rank; });
    std::vector<std::unique_ptr<Command>> commands;
    for (const auto& r : list) commands.push_back(r.factory());
    return commands;
}

}  // namespace kv::app
