#pragma once
// The text formats of ControlSettings and PaneSettings: line splitting, the mode letter table and
// the control key. Pure functions; applying the lines to a form is the control's job, checking
// them SettingsLint's (on these same definitions).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Modes.h"

namespace kv {

// A ControlSettings line: the control key, this separator (a blank, then a tab; the first one
// counts), then one mode letter per position: left, top, right, bottom edge, font.
inline constexpr std::string_view kKeySeparator = " \t";
inline constexpr size_t kModeLetterCount = 5;
// What a position the line does not reach reads as, and a character that is no mode letter.
inline constexpr int32_t kMissingLetterMode = KV_RELATIVE;
inline constexpr int32_t kUnknownLetterMode = KV_KEEP;

// Lines separated by CR LF only (a lone CR or LF stays in its line). "" has no lines; a text
// ending in CR LF has an empty last line.
std::vector<std::string> split_settings_lines(std::string_view text);
// `text` with every line break written as CR LF: one typed on a shell, written in C++ or saved by
// an editor is LF or CR alone, which split_settings_lines would leave inside a line.
std::string with_crlf_lines(std::string_view text);

// A PaneSettings line's control keys, split at single blanks as the designer's language splits:
// "" has no keys, two blanks in a row give an empty key.
std::vector<std::string> split_pane_keys(std::string_view line);

// The mode letters, in table order: "KARCF".
std::string_view mode_letters();
// The mode a letter stands for (K 0, A 1, R and C 2, F 3; case-sensitive); nullopt for any other
// character.
std::optional<int32_t> mode_of_letter(char letter);
// The mode of one letter position (0 = left ... 4 = font) of a mode text: its letter's mode,
// kMissingLetterMode past the text's end, kUnknownLetterMode for a character that is no letter.
int32_t mode_from_letters(std::string_view mode_text, size_t position);

// Letters as the writers use them: edges K/A/R/F; fonts K for 0, C for 2 and no letter for 1 and 3
// (which therefore read back as 2).
std::string edge_mode_letter(int32_t mode);
std::string font_mode_letter(int32_t mode);

// One ControlSettings line: key, blank + tab, mode letters. nullopt without the separator.
struct ControlSettingsLine {
    std::string key;
    std::array<int32_t, kModeLetterCount> modes{};  // left, top, right, bottom, font
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
