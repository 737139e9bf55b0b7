#pragma once
// Which controls paint their back colour, and on what: asked alike by the Qt host, which fills
// their widgets, and by the export, which gives their widgets a colour in the .ui.
#include <string>
#include <variant>

#include "engine/HostAccess.h"
#include "host/memory/MemoryObject.h"

namespace kv::mem {

// Whether `c`'s back colour is other than its class's.
inline bool own_back_colour(MemoryObject& c) {
    const auto back = try_num(c, Prop::BackColor);
    return back && *back != to_double(c.default_of(Prop::BackColor));
}

// Labels, check boxes, option buttons and frames paint their colour, the class's own too, where
// Qt's widgets would show their container's; a transparent label (BackStyle 0) paints nothing.
inline bool paints_own_back(MemoryObject& c) {
    const std::string& cls = c.class_name();
    if (cls == "CheckBox" || cls == "OptionButton" || cls == "Frame") return true;
    if (cls != "Label") return false;
    const auto style = c.try_get("BackStyle");
    return !style || !std::holds_alternative<double>(*style) || std::get<double>(*style) != 0;
}

// Whether `c` shows its BackColor at all: a transparent label (BackStyle 0) shows what lies
// behind it, and a standard command button (Style 0) the system's face; a graphical one (Style 1)
// shows its colour.
inline bool shows_back_colour(MemoryObject& c) {
    const std::string& cls = c.class_name();
    if (cls == "Label") return paints_own_back(c);
    if (cls != "CommandButton") return true;
    const auto style = c.try_get("Style");
    return style && std::holds_alternative<double>(*style) && std::get<double>(*style) == 1;
}

// Whether `c` paints its colour over a container of a colour of its own, where the difference
// from Qt's widget shows.
inline bool paints_over_colour(MemoryObject& c) {
    if (!paints_own_back(c)) return false;
    const auto holder = c.container_object();
    return holder && holder->traits().back_color && own_back_colour(*holder);
}

}  // namespace kv::mem
