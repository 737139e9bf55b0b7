#pragma once
// The styles of a control's font as the runtime shows them, alike in the tool's pictures and in
// a live form.
#include <QFont>

#include "engine/Error.h"
#include "engine/Value.h"

namespace kv::host {

struct FontLook {
    bool bold = false, italic = false, underline = false, strike = false;
    bool operator==(const FontLook&) const = default;
};

// From FontBold, FontItalic, FontUnderline and FontStrikethru, through the object's tolerated
// read by name (a control without a font has none of them).
template <class Object>
FontLook font_look_of(Object& c) {
    auto flag = [&](const char* name) {
        const auto v = c.try_get(name);
        try {
            return v && to_bool(*v);
        } catch (const Error&) {
            return false;
        }
    };
    return {flag("FontBold"), flag("FontItalic"), flag("FontUnderline"), flag("FontStrikethru")};
}

void apply_font_look(QFont& f, const FontLook& look);

}  // namespace kv::host
