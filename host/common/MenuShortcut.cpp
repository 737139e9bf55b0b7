#include "host/common/MenuShortcut.h"

#include <utility>

#include "host/common/TextFold.h"

namespace kv::host {

namespace {

// The key names of the designer's notation, each spelling with the one name it stands for.
const std::pair<const char*, const char*> kNamedKeys[] = {{"BACKSPACE", "BACKSPACE"},
                                                          {"BKSP", "BACKSPACE"},
                                                          {"BS", "BACKSPACE"},
                                                          {"DELETE", "DELETE"},
                                                          {"DEL", "DELETE"},
                                                          {"INSERT", "INSERT"},
                                                          {"INS", "INSERT"},
                                                          {"HOME", "HOME"},
                                                          {"END", "END"},
                                                          {"PGUP", "PGUP"},
                                                          {"PGDN", "PGDN"},
                                                          {"UP", "UP"},
                                                          {"DOWN", "DOWN"},
                                                          {"LEFT", "LEFT"},
                                                          {"RIGHT", "RIGHT"},
                                                          {"ENTER", "ENTER"},
                                                          {"ESC", "ESC"},
                                                          {"ESCAPE", "ESC"},
                                                          {"TAB", "TAB"},
                                                          {"BREAK", "BREAK"},
                                                          {"HELP", "HELP"},
                                                          {"PRTSC", "PRTSC"},
                                                          {"CAPSLOCK", "CAPSLOCK"},
                                                          {"NUMLOCK", "NUMLOCK"},
                                                          {"SCROLLLOCK", "SCROLLLOCK"}};

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
    for (const auto& [spelling, key] : kNamedKeys)
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

}  // namespace kv::host
