#include "control/SettingsLint.h"

#include "control/ControlLookup.h"
#include "control/SettingsStrings.h"
#include "engine/Error.h"
#include "panes/PaneCreation.h"

namespace kv {

namespace {

// "K, A, R, C or F": the letters the reader knows, as a sentence names them.
std::string letter_list() {
    const std::string_view letters = mode_letters();
    std::string list;
    for (size_t i = 0; i < letters.size(); ++i) {
        if (i > 0) list += i + 1 == letters.size() ? " or " : ", ";
        list += letters[i];
    }
    return list;
}

// What is wrong with a line whose key separator stands at `at`.
std::vector<std::string> separated_line_problems(std::string_view line, size_t at) {
    std::vector<std::string> says;
    if (at == 0) says.push_back("has no control key before the blank and tab: it names no control");
    const std::string_view letters = line.substr(at + kKeySeparator.size());
    std::string strange;
    for (size_t p = 0; p < letters.size() && p < kModeLetterCount; ++p)
        if (!mode_of_letter(letters[p]))
            strange += (strange.empty() ? "'" : ", '") + std::string(1, letters[p]) + "'";
    if (!strange.empty())
        says.push_back("has " + strange + " where a mode letter " + letter_list() +
                       " belongs: read as " + edge_mode_letter(kUnknownLetterMode));
    const std::string counted = "has " + std::to_string(letters.size()) + " mode letters, not " +
                                std::to_string(kModeLetterCount);
    if (letters.size() < kModeLetterCount)
        says.push_back(counted + ": each missing one is read as " +
                       edge_mode_letter(kMissingLetterMode));
    else if (letters.size() > kModeLetterCount)
        says.push_back(counted + ": those after the fifth are ignored");
    return says;
}

// What is wrong with one line; nothing for an empty one.
std::vector<std::string> line_problems(std::string_view line) {
    if (line.empty()) return {};
    const size_t at = line.find(kKeySeparator);
    if (at != std::string_view::npos) return separated_line_problems(line, at);
    const std::string reversed{kKeySeparator.rbegin(), kKeySeparator.rend()};
    return {std::string("has no blank and tab between the control key and the mode letters") +
            (line.find(reversed) != std::string_view::npos
                 ? " (it has a tab and a blank, in that order)"
                 : "") +
            ": the resizer skips it"};
}

}  // namespace

std::string visible_line(std::string_view line) {
    std::string out;
    for (char c : line) {
        if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::vector<SettingsProblem> control_settings_problems(std::string_view text) {
    std::vector<SettingsProblem> found;
    const auto lines = split_settings_lines(text);
    for (size_t i = 0; i < lines.size(); ++i)
        for (const auto& what : line_problems(lines[i]))
            found.push_back({i + 1, "'" + visible_line(lines[i]) + "' " + what, {}});
    return found;
}

std::vector<SettingsProblem> unmatched_keys(const ObjectRef& form, std::string_view text,
                                            bool panes) {
    std::vector<SettingsProblem> found;
    const auto lines = split_settings_lines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        std::vector<std::string> keys;
        if (panes) {
            keys = pane_keys(lines[i]);
        } else if (const auto line = parse_control_settings_line(lines[i])) {
            keys.push_back(line->key);
        }
        for (const auto& key : keys) {
            if (key.empty()) continue;
            ObjectRef control;
            try {
                control = find_control_by_key(form, key);
            } catch (const Error& e) {
                // The resizer's trap is around the whole text: it reads no line after this.
                found.push_back({i + 1,
                                 "'" + key + "': " + e.what() +
                                     " reading its index; the resizer stops here and "
                                     "applies no line after it",
                                 {}});
                return found;
            }
            if (!control)
                found.push_back({i + 1, "'" + key + "' names no control of the form", key});
        }
    }
    return found;
}

}  // namespace kv
