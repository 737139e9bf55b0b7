#include "host/common/QtFrameBorder.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>

#include "host/common/StyleSheet.h"
#include "host/common/TextFold.h"

namespace kv::host {

namespace {

// "QFrame::Box" and "Box" alike.
std::string_view bare(std::string_view name) {
    if (const auto colons = name.rfind("::"); colons != std::string_view::npos)
        name.remove_prefix(colons + 2);
    return name;
}

// Whether a selector reaches the frame itself: not a sub-control, a pseudo-state, a child (a
// space or '>'), another class or another object.
bool selects_the_frame(std::string_view one, std::string_view object_name) {
    if (one.find_first_of(" >:[") != std::string_view::npos) return false;
    const size_t hash = one.find('#');
    if (hash != std::string_view::npos && one.substr(hash + 1) != object_name) return false;
    std::string_view type = one.substr(0, hash);
    if (!type.empty() && type.front() == '.') type.remove_prefix(1);  // the class, not its heirs
    return type.empty() || type == "*" || type == "QFrame" || type == "QWidget";
}

// What a border declaration says: the width in pixels where given, and the style where given.
struct SheetLine {
    std::optional<int> width;
    std::optional<bool> drawn;  // a style other than none or hidden
};

void read_border_value(std::string_view value, bool width_only, bool style_only, SheetLine& line) {
    static constexpr std::string_view kStyles[] = {"dashed", "dot-dash", "dot-dot-dash", "dotted",
                                                   "double", "groove",   "inset",        "outset",
                                                   "ridge",  "solid"};
    while (!value.empty()) {
        const size_t end = std::min(value.find_first_of(" \t"), value.size());
        const std::string word = fold(value.substr(0, end));
        value = StyleSheet::trimmed(value.substr(end));
        if (word.empty()) continue;
        if (!style_only && std::isdigit(static_cast<unsigned char>(word[0]))) {
            int px = 0;
            for (size_t i = 0; i < word.size() && std::isdigit(static_cast<unsigned char>(word[i]));
                 ++i)
                px = std::min(px * 10 + (word[i] - '0'), 10000);
            line.width = px;
        } else if (!width_only && (word == "none" || word == "hidden")) {
            line.drawn = false;
        } else if (!width_only &&
                   std::find(std::begin(kStyles), std::end(kStyles), word) != std::end(kStyles)) {
            line.drawn = true;
        }
    }
}

}  // namespace

std::optional<QtFrameBorder::Border> QtFrameBorder::sheet_border(std::string_view sheet,
                                                                 std::string_view object_name) {
    SheetLine line;
    const StyleSheet parsed(sheet);
    for (const auto& rule : parsed.rules()) {
        if (!rule.selectors.empty() &&
            std::none_of(rule.selectors.begin(), rule.selectors.end(), [&](const std::string& one) {
                return selects_the_frame(one, object_name);
            }))
            continue;
        for (const auto& [name, value] : rule.declarations) {
            if (name == "border") {
                // The shorthand sets all three: what it leaves out is reset.
                line = {};
                read_border_value(value, false, false, line);
                if (!line.drawn) line.drawn = false;
            } else if (name == "border-style") {
                read_border_value(value, false, true, line);
            } else if (name == "border-width") {
                read_border_value(value, true, false, line);
            }
        }
    }
    // Without a style the frame draws its own, whatever width the sheet gives; with one, the
    // sheet's border is drawn as wide as it says (none where it says no width).
    if (!line.drawn) return std::nullopt;
    if (!*line.drawn || line.width.value_or(0) == 0) return Border::None;
    return Border::Flat;
}

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
