#pragma once
// A menu's Shortcut as the designer writes it: `^` Ctrl, `+` Shift, `%` Alt in front of a key,
// the key a letter or digit (`^A`) or a name in braces (`{F12}`, `{DEL}`, `{INSERT}`,
// `{BKSP}`). Read here for both hosts and the export: the memory host keeps the text as written,
// the Qt host and an exported form show it as the same key sequence.
#include <optional>
#include <string>
#include <string_view>

namespace kv::host {

struct MenuShortcut {
    bool ctrl = false, shift = false, alt = false;
    // The key by one name: "A".."Z", "0".."9", "F1".."F16", or the designer's name of a key
    // ("INSERT", "DELETE", "BACKSPACE", "HOME", ...) whichever of its spellings the file has.
    std::string key;

    // Nullopt when the text is no shortcut in that notation.
    static std::optional<MenuShortcut> parse(std::string_view text);
    // As Qt's key sequences write it in portable text ("Ctrl+Shift+PgDown"); "" for a key Qt
    // has no name for.
    std::string qt_text() const;
    bool operator==(const MenuShortcut&) const = default;
};

// What the reader expects of a Shortcut value, for messages.
inline constexpr const char* kShortcutExpected = "a menu shortcut such as ^A, {F1}, +{F2} or +^X";

}  // namespace kv::host
