#pragma once
// ControlSettings lines the resizer skips or reads otherwise than they look: the reader never
// complains (a line without its separator is passed over, an unknown letter is K, a missing
// one R), so the check command says it for it.
#include <string>
#include <vector>

namespace kv::app {

struct SettingsProblem {
    size_t line = 0;  // 1-based, in the text's CR LF lines
    std::string text;
};

// Every problem of every line of a ControlSettings text, in line order. An empty line (as a
// final CR LF leaves) is no problem.
std::vector<SettingsProblem> control_settings_problems(const std::string& text);

// A settings line as it can be printed on one line: tab, CR and LF written as \t, \r and \n.
std::string visible_line(const std::string& line);

}  // namespace kv::app
