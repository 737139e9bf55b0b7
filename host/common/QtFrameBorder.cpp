#include "host/common/QtFrameBorder.h"

#include <algorithm>
#include <utility>

namespace kv::host {

namespace {

// "QFrame::Box" and "Box" alike.
std::string_view bare(std::string_view name) {
    if (const auto colons = name.rfind("::"); colons != std::string_view::npos)
        name.remove_prefix(colons + 2);
    return name;
}

}  // namespace

std::optional<QtFrameBorder::Shape> QtFrameBorder::shape_named(std::string_view name) {
    static constexpr std::pair<std::string_view, Shape> kShapes[] = {
        {"NoFrame", NoFrame},        {"Box", Box},     {"Panel", Panel},
        {"WinPanel", WinPanel},      {"HLine", HLine}, {"VLine", VLine},
        {"StyledPanel", StyledPanel}};
    for (const auto& [n, s] : kShapes)
        if (n == bare(name)) return s;
    return std::nullopt;
}

std::optional<QtFrameBorder::Shadow> QtFrameBorder::shadow_named(std::string_view name) {
    static constexpr std::pair<std::string_view, Shadow> kShadows[] = {
        {"Plain", Plain}, {"Raised", Raised}, {"Sunken", Sunken}};
    for (const auto& [n, s] : kShadows)
        if (n == bare(name)) return s;
    return std::nullopt;
}

int QtFrameBorder::width_pixels(int shape, int shadow, int line_width, int mid_line_width) {
    const int line = std::max(line_width, 0), mid = std::max(mid_line_width, 0);
    switch (shape) {
        case Box:
            // A shaded box is a light and a dark line round a middle one.
            return shadow == Raised || shadow == Sunken ? 2 * line + mid : line;
        case Panel:
            return line;
        case WinPanel:
            return 2;
        case StyledPanel:
            return 1;
        default:
            return 0;  // NoFrame; a line is no frame round anything
    }
}

QtFrameBorder::Border QtFrameBorder::border_of(int shape, int shadow, int line_width,
                                               int mid_line_width) {
    if (width_pixels(shape, shadow, line_width, mid_line_width) == 0) return Border::None;
    if (shape == StyledPanel || shadow == Plain) return Border::Flat;
    return Border::ThreeD;
}

}  // namespace kv::host
