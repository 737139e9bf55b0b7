#include "host/export/ExportColours.h"

#include <cstdio>

namespace kv::exporter {

std::optional<uint32_t> rgb_of(double value) {
    if (value < 0 || value >= 0x80000000) return std::nullopt;
    return static_cast<uint32_t>(value);
}

void add_brush(ui::UiNode& parent, uint32_t bgr) {
    ui::UiNode& brush = parent.add("brush");
    brush.attribute("brushstyle", "SolidPattern");
    ui::UiNode& color = brush.add("color").attribute("alpha", "255");
    color.add("red", std::to_string(bgr & 0xff));
    color.add("green", std::to_string((bgr >> 8) & 0xff));
    color.add("blue", std::to_string((bgr >> 16) & 0xff));
}

void add_color_role(ui::UiNode& group, const char* role, uint32_t bgr) {
    add_brush(group.add("colorrole").attribute("role", role), bgr);
}

std::string css_colour(double value) {
    if (const auto rgb = rgb_of(value)) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "#%02x%02x%02x", *rgb & 0xff, (*rgb >> 8) & 0xff,
                      (*rgb >> 16) & 0xff);
        return hex;
    }
    switch (static_cast<uint32_t>(value) & 0xff) {
        case 5:
            return "palette(base)";
        case 13:
            return "palette(highlight)";
        case 15:
            return "palette(button)";
        case 16:
            return "palette(dark)";
        case 20:
            return "palette(light)";
        case 21:
            return "palette(shadow)";
        case 22:
            return "palette(midlight)";
        default:
            return "palette(window-text)";
    }
}

double unsigned_colour(double stored) {
    return stored < 0 ? stored + 4294967296.0 : stored;
}

}  // namespace kv::exporter
