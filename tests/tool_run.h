#pragma once
// Runs the kelvane tool as its user would (`kelvane ARGS...`) and keeps its exit status and
// both outputs.
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "apps/kelvane/Cli.h"

namespace kv::test {

using Argv = std::vector<std::string>;

struct Run {
    int status = 0;
    std::string out, err;
    // The --json document printed (throws when the output is not one).
    nlohmann::json json() const { return nlohmann::json::parse(out); }
};

inline Run run(const Argv& args) {
    std::ostringstream out, err;
    Run r;
    r.status = kv::app::run_kelvane(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

inline bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace kv::test
