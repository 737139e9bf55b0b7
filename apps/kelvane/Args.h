#pragma once
// A small command-line parser: positional arguments and `--name value` / `--name=value` options
// (repeatable, kept in command-line order), `-o FILE` as an alias of `--out`.
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace kv::app {

// Bad usage: reported on standard error, exit status 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class Args {
  public:
    // `with_value`: option names that take a value; `flags`: options without one. Any other
    // `--name` is a usage error.
    Args(const std::vector<std::string>& argv, const std::set<std::string>& with_value,
         const std::set<std::string>& flags);

    const std::vector<std::string>& positional() const { return positional_; }
    // Options in command-line order (name without dashes, value; "" for flags).
    const std::vector<std::pair<std::string, std::string>>& options() const { return options_; }
    bool has(const std::string& name) const;
    // The last value given for the option.
    std::optional<std::string> value(const std::string& name) const;

  private:
    std::vector<std::string> positional_;
    std::vector<std::pair<std::string, std::string>> options_;
};

// "WxH" in twips, both positive numbers.
std::pair<double, double> parse_size(const std::string& text);

}  // namespace kv::app
