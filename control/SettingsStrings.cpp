#include "control/SettingsStrings.h"

#include "engine/Numbers.h"

namespace kv {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

struct ModeLetter {
    char letter;
    int32_t mode;
};
constexpr ModeLetter kModeLetters[] = {
    {'K', KV_KEEP}, {'A', KV_ABSOLUTE}, {'R', KV_RELATIVE}, {'C', KV_RELATIVE}, {'F', KV_FLOAT},
};
}  // namespace

std::string with_crlf_lines(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::vector<std::string> split_pane_keys(std::string_view line) {
    std::vector<std::string> out;
    if (line.empty()) return out;
    size_t start = 0;
    while (true) {
        const size_t blank = line.find(' ', start);
        out.emplace_back(line.substr(start, blank - start));
        if (blank == std::string_view::npos) return out;
        start = blank + 1;
    }
}

std::vector<std::string> split_settings_lines(std::string_view text) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    size_t start = 0;
    while (true) {
        size_t at = text.find(kLineBreak, start);
        if (at == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            return lines;
        }
        lines.emplace_back(text.substr(start, at - start));
        start = at + kLineBreak.size();
    }
}

std::string_view mode_letters() {
    static const std::string letters = [] {
        std::string s;
        for (const auto& m : kModeLetters) s += m.letter;
        return s;
    }();
    return letters;
}

std::optional<int32_t> mode_of_letter(char letter) {
    for (const auto& m : kModeLetters)
        if (m.letter == letter) return m.mode;
    return std::nullopt;
}

int32_t mode_from_letters(std::string_view mode_text, size_t position) {
    if (position >= mode_text.size()) return kMissingLetterMode;
    return mode_of_letter(mode_text[position]).value_or(kUnknownLetterMode);
}

std::string edge_mode_letter(int32_t mode) {
    switch (mode) {
        case KV_ABSOLUTE:
            return "A";
        case KV_RELATIVE:
            return "R";
        case KV_FLOAT:
            return "F";
        default:
            return "K";
    }
}

std::string font_mode_letter(int32_t mode) {
    if (mode == KV_KEEP) return "K";
    if (mode == KV_RELATIVE) return "C";
    return "";
}

std::optional<ControlSettingsLine> parse_control_settings_line(std::string_view line) {
    size_t at = line.find(kKeySeparator);
    if (at == std::string_view::npos) return std::nullopt;
    ControlSettingsLine parsed;
    parsed.key = std::string(line.substr(0, at));
    std::string_view letters = line.substr(at + kKeySeparator.size());
    for (size_t i = 0; i < parsed.modes.size(); ++i)
        parsed.modes[i] = mode_from_letters(letters, i);
    return parsed;
}

ControlKeyParts parse_control_key(std::string_view key) {
    size_t open = key.find('(');
    if (open == std::string_view::npos) return {std::string(key), std::nullopt};
    // The last character is dropped whatever it is; a key ending in "(" leaves no index text.
    std::string_view index_text;
    if (key.size() > open + 1) index_text = key.substr(open + 1, key.size() - open - 2);
    return {std::string(key.substr(0, open)), text_to_int16(index_text)};
}

}  // namespace kv
