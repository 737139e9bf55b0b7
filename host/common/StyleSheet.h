#pragma once
// A Qt style sheet read as far as the hosts need it: its rules in order, each with its
// selectors and the declarations of its block. Comments are dropped as Qt drops them, and a
// semicolon, brace or comment mark inside a quoted string is part of the string. A sheet without
// braces (a widget's own declarations) is one rule without selectors. No Qt here: the .ui loader
// reads sheets from files, and the Qt host reads them off widgets, the same way.
#include <string>
#include <string_view>
#include <vector>

namespace kv::host {

class StyleSheet {
  public:
    struct Declaration {
        std::string property;  // lower case, as Qt matches it
        std::string value;     // trimmed
    };
    struct Rule {
        std::vector<std::string> selectors;  // each of the comma list, trimmed; none when bare
        std::vector<Declaration> declarations;
    };

    explicit StyleSheet(std::string_view text);

    const std::vector<Rule>& rules() const { return rules_; }

    static std::string_view trimmed(std::string_view text);

  private:
    void read_block(std::string_view block, Rule& rule);

    std::vector<Rule> rules_;
};

}  // namespace kv::host
