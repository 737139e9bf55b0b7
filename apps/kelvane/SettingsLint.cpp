#include "apps/kelvane/SettingsLint.h"

#include "control/SettingsStrings.h"

namespace kv::app {

namespace {

constexpr size_t kModeLetters = 5;  // left, top, right, bottom, font

bool mode_letter(char c) {
    return c == 'K' || c == 'A' || c == 'R' || c == 'C' || c == 'F';
}

}  // namespace

std::string visible_line(const std::string& line) {
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

std::vector<SettingsProblem> control_settings_problems(const std::string& text) {
    std::vector<SettingsProblem> found;
    const auto lines = split_settings_lines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const auto say = [&](const std::string& what) {
            found.push_back({i + 1, "'" + visible_line(line) + "' " + what});
        };
        if (line.empty()) continue;
        const auto at = line.find(" \t");
        if (at == std::string::npos) {
            say(std::string("has no blank and tab between the control key and the mode "
                            "letters") +
                (line.find("\t ") != std::string::npos
                     ? " (it has a tab and a blank, in that order)"
                     : "") +
                ": the resizer skips it");
            continue;
        }
        if (at == 0) say("has no control key before the blank and tab: it names no control");
        const std::string letters = line.substr(at + 2);
        std::string strange;
        for (size_t p = 0; p < letters.size() && p < kModeLetters; ++p)
            if (!mode_letter(letters[p]))
                strange += (strange.empty() ? "'" : ", '") + letters.substr(p, 1) + "'";
        if (!strange.empty())
            say("has " + strange + " where a mode letter K, A, R, C or F belongs: read as K");
        if (letters.size() < kModeLetters)
            say("has " + std::to_string(letters.size()) +
                " mode letters, not 5: each missing one is read as R");
        else if (letters.size() > kModeLetters)
            say("has " + std::to_string(letters.size()) +
                " mode letters, not 5: those after the fifth are ignored");
    }
    return found;
}

}  // namespace kv::app
