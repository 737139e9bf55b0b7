#include "apps/kelvane/Args.h"

#include "engine/Numbers.h"

namespace kv::app {

Args::Args(const std::vector<std::string>& argv, const std::set<std::string>& with_value,
           const std::set<std::string>& flags) {
    bool only_positional = false;
    for (size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (only_positional || a.size() < 2 || a[0] != '-') {
            positional_.push_back(a);
            continue;
        }
        if (a == "--") {
            only_positional = true;
            continue;
        }
        std::string name, value;
        bool has_value = false;
        if (a == "-o") {
            name = "out";
        } else if (a == "-h") {
            name = "help";
        } else if (a.rfind("--", 0) == 0) {
            name = a.substr(2);
            const auto eq = name.find('=');
            if (eq != std::string::npos) {
                value = name.substr(eq + 1);
                name = name.substr(0, eq);
                has_value = true;
            }
        } else {
            throw UsageError("unknown option '" + a + "'");
        }
        if (flags.count(name)) {
            if (has_value) throw UsageError("option --" + name + " takes no value");
            options_.emplace_back(name, "");
            continue;
        }
        if (!with_value.count(name)) throw UsageError("unknown option '" + a + "'");
        if (!has_value) {
            if (i + 1 >= argv.size()) throw UsageError("option --" + name + " needs a value");
            value = argv[++i];
        }
        options_.emplace_back(name, value);
    }
}

bool Args::has(const std::string& name) const {
    for (const auto& [n, v] : options_)
        if (n == name) return true;
    return false;
}

std::optional<std::string> Args::value(const std::string& name) const {
    std::optional<std::string> found;
    for (const auto& [n, v] : options_)
        if (n == name) found = v;
    return found;
}

std::pair<double, double> parse_size(const std::string& text) {
    const auto x = text.find_first_of("xX");
    if (x != std::string::npos) {
        const auto w = parse_number(text.substr(0, x));
        const auto h = parse_number(text.substr(x + 1));
        if (w && h && *w > 0 && *h > 0 && text.find('&') == std::string::npos) return {*w, *h};
    }
    throw UsageError("expected a size WIDTHxHEIGHT in twips such as 9000x6000, found '" + text +
                     "'");
}

}  // namespace kv::app
