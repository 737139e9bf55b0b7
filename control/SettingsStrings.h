#pragma once
// The text formats of ControlSettings and PaneSettings: line splitting, the mode letter table and
// the control key. Pure functions; applying the lines to a form is the control's job.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// Lines separated by CR LF only (a lone CR or LF stays in its line). "" has no lines; a text
// ending in CR LF has an empty last line.
std::vector<std::string> split_settings_lines(std::string_view text);

// The mode of one letter position (0 = left ... 4 = font) of a mode text: K 0, A 1, R/C 2, F 3,
// a missing position 2, anything else 0. Case-sensitive.
int32_t mode_from_letters(std::string_view mode_text, size_t position);

// Letters as the writers use them: edges K/A/R/F; fonts K for 0, C for 2 and no letter for 1 and 3
// (which therefore read back as 2).
std::string edge_mode_letter(int32_t mode);
std::string font_mode_letter(int32_t mode);

// One ControlSettings line: key, blank + tab, mode letters. nullopt without the separator.
struct ControlSettingsLine {
    std::string key;
    std::array<int32_t, 5> modes{};  // left, top, right, bottom, font
};
std::optional<ControlSettingsLine> parse_control_settings_line(std::string_view line);

// A control key split into the name and, for "Name(Index)", the index. The index is the text
// between the first "(" and the last character, converted to a 16-bit integer; text that is not a
// number throws kv::Error 13 (and a number out of range 6).
struct ControlKeyParts {
    std::string name;
    std::optional<int16_t> index;
};
ControlKeyParts parse_control_key(std::string_view key);

}  // namespace kv
