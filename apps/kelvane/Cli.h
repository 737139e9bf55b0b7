#pragma once
// The kelvane command line: every registered command as a CLI11 subcommand, generated help,
// and one exit-status rule for all of them.
#include <ostream>
#include <string>
#include <vector>

namespace kv::app {

// Runs `kelvane ARGS...` (without the program name): help and results go to `out`, problems
// to `err`. Returns 0 success, 1 findings, 2 bad input or usage (one line on `err` that names
// the option or argument).
int run_kelvane(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv::app
