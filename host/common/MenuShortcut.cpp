#include "host/common/MenuShortcut.h"

#include <utility>

#include "host/common/TextFold.h"

namespace kv::host {

namespace {

// The keys the designer's notation names, each by its one name and as Qt's key sequences
// write it (portable text): the export writes that text, the Qt host reads it.
struct NamedKey {
    const char* name;
    const char* qt;
};
const NamedKey kNamedKeys[] = {{"BACKSPACE", "Backspace"},
                               {"DELETE", "Del"},
                               {"INSERT", "Ins"},
                               {"HOME", "Home"},
                               {"END", "End"},
                               {"PGUP", "PgUp"},
                               {"PGDN", "PgDown"},
                               {"UP", "Up"},
                               {"DOWN", "Down"},
                               {"LEFT", "Left"},
                               {"RIGHT", "Right"},
                               {"ENTER", "Return"},
                               {"ESC", "Esc"},
                               {"TAB", "Tab"},
                               {"BREAK", "Pause"},
                               {"HELP", "Help"},
                               {"PRTSC", "Print"},
                               {"CAPSLOCK", "CapsLock"},
                               {"NUMLOCK", "NumLock"},
                               {"SCROLLLOCK", "ScrollLock"}};

// The other spellings of a named key.
const std::pair<const char*, const char*> kSpellings[] = {{"BKSP", "BACKSPACE"},
                                                          {"BS", "BACKSPACE"},
                                                          {"DEL", "DELETE"},
                                                          {"INS", "INSERT"},
                                                          {"ESCAPE", "ESC"}};

std::optional<std::string> named_key(std::string_view name) {
    // Function keys F1 to F16.
    if (name.size() >= 2 && name.size() <= 3 && (name[0] == 'F' || name[0] == 'f')) {
        int n = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return std::nullopt;
            n = n * 10 + (c - '0');
        }
        if (n < 1 || n > 16 || name[1] == '0') return std::nullopt;
        return "F" + std::to_string(n);
    }
    for (const auto& key : kNamedKeys)
        if (iequal(name, key.name)) return std::string(key.name);
    for (const auto& [spelling, key] : kSpellings)
        if (iequal(name, spelling)) return std::string(key);
    return std::nullopt;
}

}  // namespace

std::optional<MenuShortcut> MenuShortcut::parse(std::string_view text) {
    MenuShortcut s;
    size_t i = 0;
    // Each modifier at most once, in any order.
    for (; i < text.size(); ++i) {
        bool* flag = text[i] == '^'   ? &s.ctrl
                     : text[i] == '+' ? &s.shift
                     : text[i] == '%' ? &s.alt
                                      : nullptr;
        if (!flag) break;
        if (*flag) return std::nullopt;
        *flag = true;
    }
    const std::string_view rest = text.substr(i);
    if (rest.size() == 1) {
        const char c = rest[0];
        if (c >= 'a' && c <= 'z') s.key = std::string(1, static_cast<char>(c - 'a' + 'A'));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) s.key = std::string(1, c);
        if (s.key.empty()) return std::nullopt;
        return s;
    }
    if (rest.size() < 3 || rest.front() != '{' || rest.back() != '}') return std::nullopt;
    const auto key = named_key(rest.substr(1, rest.size() - 2));
    if (!key) return std::nullopt;
    s.key = *key;
    return s;
}

std::string MenuShortcut::qt_text() const {
    // Letters, digits and function keys are spelt alike in both notations.
    std::string qt = key.size() == 1 || key[0] == 'F' ? key : "";
    for (const auto& named : kNamedKeys)
        if (key == named.name) qt = named.qt;
    if (qt.empty()) return "";
    return std::string(ctrl ? "Ctrl+" : "") + (alt ? "Alt+" : "") + (shift ? "Shift+" : "") + qt;
}

}  // namespace kv::host
