#pragma once
// Runs a kelvane subcommand as its user would and keeps its exit status and both outputs.
#include <ostream>
#include <sstream>
#include <string>

#include "apps/kelvane/Commands.h"

namespace kv::test {

struct Run {
    int status = 0;
    std::string out, err;
};

inline Run run(int (*cmd)(const kv::app::Argv&, std::ostream&, std::ostream&),
               const kv::app::Argv& args) {
    std::ostringstream out, err;
    Run r;
    r.status = cmd(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

inline bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace kv::test
