#pragma once
// Lines on a .ui form. Qt Designer draws a line with a frame (its "Line" class, or a QFrame whose
// frameShape is HLine or VLine) across the middle of the frame's box; the forms runtime has a
// line of its own, which is what such a frame comes back as. A line whose ends part ways has no
// frame: an exported form covers it with a placeholder that names the corner its first end is in
// (UiLines::kFromProperty), and the line comes back across the placeholder's box.
#include <optional>
#include <string>

#include "host/ui/UiValues.h"

namespace kv::ui {

struct UiLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // pixels, in the widget's parent
    int width = 1;                       // BorderWidth
    std::optional<double> colour;        // BorderColor; nullopt: the runtime's (window text)
    std::optional<int> style;            // BorderStyle; nullopt: the runtime's (solid)
};

class UiLines {
  public:
    // What a placeholder stands for ("VB.Data", "NovaCtl.ProgressBar"), and for a line the
    // corner its first end is in ("TopLeft", "BottomRight", ...): an exported form's own
    // properties.
    static constexpr const char* kPlaceholderProperty = "Placeholder";
    // The class a widget of the export's own making stands for ("NovaCtl.StatusBar"): a bar of
    // the common controls, read back as that control with its items.
    static constexpr const char* kFormsClassProperty = "FormsClass";
    static constexpr const char* kFromProperty = "LineFrom";
    // An exported Shape is a frame whose style sheet draws what Qt can of it; its own properties
    // ride along (those of them it has), and a frame with `Shape` among them comes back a Shape.
    static constexpr const char* kShapeProperties[] = {"Shape",       "BorderStyle", "BorderWidth",
                                                       "BorderColor", "BackStyle",   "BackColor",
                                                       "FillStyle",   "FillColor"};
    // Whether a line of this BorderStyle is exported as its frame's styled top or left border
    // (dashes, dots, or none drawn) rather than as Designer's solid line.
    static bool drawn_by_sheet(int border_style) { return border_style != 1 && border_style != 6; }
    // The runtime's button shadow, which a shaded (sunken or raised) frame line is drawn in most.
    static constexpr double kShadowColour = 0x80000010;

    // The line the widget draws, nullopt for a widget that draws none. `own_class` is the class
    // the .ui names it by.
    static std::optional<UiLine> of_frame(const UiValues& values, const UiElement& w,
                                          const std::string& own_class);
    // The line an exported form's placeholder covers, nullopt for any other placeholder.
    static std::optional<UiLine> of_placeholder(const UiValues& values, const UiElement& w);
    // The corner a line's first end is in, as kFromProperty says it.
    static std::string corner_of(int x1, int y1, int x2, int y2);
};

}  // namespace kv::ui
