#pragma once
// A masked edit box as it shows its entry: its Mask's placeholders (# a digit, 9 an optional
// digit, ? a letter, A and a a letter or digit, & and C any character; > and < the case that
// follows; \ the next character as it stands; the rest literal) each shown as its PromptChar
// until typed in, and the same mask in Qt's input-mask notation, so that a live form and an
// exported .ui take the same entries.
#include <optional>
#include <string>
#include <string_view>

#include "engine/HostObject.h"

namespace kv::host {

class MaskLook {
  public:
    std::string mask;          // the runtime's notation
    std::string prompt = "_";  // PromptChar: one character
    std::string text;          // Text: what was typed in, with the mask's literals

    static bool candidate(std::string_view class_name);
    static MaskLook read(HostObject& box);

    // What the box shows: its text, or with none the mask's literals and a prompt for each
    // placeholder ("(___) ___-____").
    std::string shown() const;
    // The mask as Qt's inputMask ("(999) 999-9999;_"); "" for a box without a mask.
    std::string qt_input_mask() const;
    // The runtime's mask for Qt's inputMask (its blank character the prompt), as far as the two
    // notations meet; nullopt where Qt's asks what the runtime's cannot.
    static std::optional<MaskLook> from_qt(std::string_view input_mask);
};

}  // namespace kv::host
