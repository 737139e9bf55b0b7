#include "host/ui/UiLines.h"

#include <algorithm>

namespace kv::ui {

namespace {

// A colour as the forms runtime keeps it: red in the low byte.
double runtime_colour(const UiColor& c) {
    return static_cast<double>(c.red | (c.green << 8) | (c.blue << 16));
}

// The line's look: a plain frame draws it in its text colour lineWidth across; a shaded one
// (Designer's default for its Line) in the shadow's and the light's, of which the shadow shows.
void take_look(const UiValues& values, const UiElement& w, bool shaded, UiLine& line) {
    line.width =
        static_cast<int>(std::clamp<long long>(values.number(w, "lineWidth").value_or(1), 1, 100));
    if (shaded) {
        line.colour = UiLines::kShadowColour;
    } else if (const auto c = values.palette_color(w, "WindowText")) {
        line.colour = runtime_colour(*c);
    }
}

// An exported line's own BorderStyle (0 transparent .. 6 inside solid).
std::optional<int> style_of(const UiValues& values, const UiElement& w) {
    const auto n = values.number(w, "BorderStyle");
    if (!n) return std::nullopt;
    return static_cast<int>(std::clamp<long long>(*n, 0, 6));
}

}  // namespace

std::optional<UiLine> UiLines::of_frame(const UiValues& values, const UiElement& w,
                                        const std::string& own_class) {
    if (own_class != "Line" && own_class != "QFrame") return std::nullopt;
    const std::string shape = values.enumeration(w, "frameShape").value_or("");
    bool across = false;
    if (shape.find("HLine") != std::string::npos) {
        across = true;
    } else if (shape.find("VLine") != std::string::npos) {
        across = false;
    } else if (own_class == "Line" && shape.empty()) {
        // Designer's line lies as its orientation says, across unless told.
        across = values.enumeration(w, "orientation").value_or("") != "Qt::Vertical";
    } else {
        return std::nullopt;
    }
    const std::string shadow = values.enumeration(w, "frameShadow").value_or("");
    // A plain QFrame's shadow is Plain; Designer's Line is made sunken.
    const bool shaded =
        shadow.empty() ? own_class == "Line" : shadow.find("Plain") == std::string::npos;
    const UiRect g = values.rect(w, "geometry").value_or(UiRect{0, 0, 100, 3});
    UiLine line;
    take_look(values, w, shaded, line);
    line.style = style_of(values, w);
    // A dashed line (an exported form's) is drawn along the frame's top or left side.
    const bool styled = line.style && drawn_by_sheet(*line.style);
    const int middle_x = styled ? line.width / 2 : g.width / 2;
    const int middle_y = styled ? line.width / 2 : g.height / 2;
    line.x1 = across ? g.x : g.x + middle_x;
    line.y1 = across ? g.y + middle_y : g.y;
    line.x2 = across ? g.x + g.width : line.x1;
    line.y2 = across ? line.y1 : g.y + g.height;
    return line;
}

std::optional<UiLine> UiLines::of_placeholder(const UiValues& values, const UiElement& w) {
    const auto stands_for = values.string(w, kPlaceholderProperty);
    const auto from = values.string(w, kFromProperty);
    if (!stands_for || !from) return std::nullopt;
    const auto dot = stands_for->rfind('.');
    if (stands_for->substr(dot == std::string::npos ? 0 : dot + 1) != "Line") return std::nullopt;
    const UiRect g = values.rect(w, "geometry").value_or(UiRect{});
    const bool right = from->find("Right") != std::string::npos;
    const bool bottom = from->find("Bottom") != std::string::npos;
    UiLine line;
    line.x1 = right ? g.x + g.width : g.x;
    line.y1 = bottom ? g.y + g.height : g.y;
    line.x2 = right ? g.x : g.x + g.width;
    line.y2 = bottom ? g.y : g.y + g.height;
    if (const auto width = values.number(w, "BorderWidth"))
        line.width = static_cast<int>(std::clamp<long long>(*width, 1, 100));
    // A system colour (0x80000000 and up) is past what a <number> holds.
    if (const auto colour = values.real(w, "BorderColor", 0, 0xffffffff)) line.colour = *colour;
    line.style = style_of(values, w);
    return line;
}

std::string UiLines::corner_of(int x1, int y1, int x2, int y2) {
    return std::string(y1 <= y2 ? "Top" : "Bottom") + (x1 <= x2 ? "Left" : "Right");
}

}  // namespace kv::ui
