#pragma once
// The subcommands of the kelvane tool. Each takes its arguments (after the subcommand's name),
// writes results to `out` and problems to `err`, and returns the exit status: 0 success,
// 1 findings, 2 bad input or usage.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace kv::app {

using Argv = std::vector<std::string>;

int cmd_layout(const Argv& args, std::ostream& out, std::ostream& err);
int cmd_render(const Argv& args, std::ostream& out, std::ostream& err);
int cmd_check(const Argv& args, std::ostream& out, std::ostream& err);
int cmd_set(const Argv& args, std::ostream& out, std::ostream& err);
int cmd_store(const Argv& args, std::ostream& out, std::ostream& err);
int cmd_demo(const Argv& args, std::ostream& out, std::ostream& err);

// Sets properties of the form file's resizer control (placing one first when there is none)
// and saves the file. Returns the messages of a value the control refused (nothing is saved
// then). UsageError for an unknown property or a malformed value, FrmError for the file.
std::vector<std::string> set_resizer_properties(
    const std::string& path, const std::string& codepage,
    const std::vector<std::pair<std::string, std::string>>& assignments, bool& placed);

// Runs a subcommand body: usage and form-file errors become a message on `err` and status 2.
int guarded(std::ostream& err, const std::string& command, const std::function<int()>& body);

}  // namespace kv::app
