#pragma once
// What the settings strings say otherwise than they look: the reader never complains (a
// ControlSettings line without its separator is passed over, an unknown letter is K, a missing
// one R; a key that names no control is skipped), so a checker says it for it. Built on the
// reader's own grammar (SettingsStrings.h), so the two cannot drift apart.
#include <string>
#include <string_view>
#include <vector>

#include "engine/HostObject.h"

namespace kv {

struct SettingsProblem {
    size_t line = 0;  // 1-based, in the text's CR LF lines
    std::string text;
    std::string key;  // the control key that names no control; "" for other problems
};

// Every problem of every line of a ControlSettings text, in line order. An empty line (as a
// final CR LF leaves) is no problem.
std::vector<SettingsProblem> control_settings_problems(std::string_view text);

// Every key of a ControlSettings (`panes` false) or PaneSettings text that names no control of
// `form`, in line order. A key whose index is no number is left to the resizer, which reports it
// when it applies the line.
std::vector<SettingsProblem> unmatched_keys(const ObjectRef& form, std::string_view text,
                                            bool panes);

// A settings line as it can be printed on one line: tab, CR and LF written as \t, \r and \n.
std::string visible_line(std::string_view line);

}  // namespace kv
