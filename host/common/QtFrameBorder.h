#pragma once
// The border a plain QFrame stands for. A picture box on the forms runtime has a border of one
// pixel (flat) or two (3-D) and places its controls inside it; a QFrame draws a frame of its
// shape, shadow and line widths and places its children from its outer corner. A frame that
// draws something around its inside is a bordered picture box: flat where it is a plain line (or
// the style's own panel, a single line), 3-D where it is shaded. Whatever the widths, a child
// keeps its pixels, as the .ui loader and the Qt host both count its place from the border the
// control has. Names and numbers only: no Qt here, so that a .ui read and a window adopted agree.
#include <optional>
#include <string_view>

namespace kv::host {

class QtFrameBorder {
  public:
    // QFrame's own numbers (QFrame::Shape, QFrame::Shadow).
    enum Shape {
        NoFrame = 0,
        Box = 1,
        Panel = 2,
        WinPanel = 3,
        HLine = 4,
        VLine = 5,
        StyledPanel = 6
    };
    enum Shadow { Plain = 0x10, Raised = 0x20, Sunken = 0x30 };
    enum class Border { None, Flat, ThreeD };

    // A .ui's enumeration ("QFrame::Box"); nullopt for a name QFrame does not have.
    static std::optional<Shape> shape_named(std::string_view name);
    static std::optional<Shadow> shadow_named(std::string_view name);

    // The pixels Qt's frame takes on each side; a styled panel's is the style's, one pixel in the
    // style the host runs.
    static int width_pixels(int shape, int shadow, int line_width, int mid_line_width);
    // The picture box's border: none where the frame takes no pixels, or is a line (HLine,
    // VLine: lines of their own).
    static Border border_of(int shape, int shadow, int line_width, int mid_line_width);
    // The border a frame's own style sheet draws in place of its frame, from its rules for the
    // frame itself (bare declarations, or a selector naming QFrame, QWidget, * or its own name):
    // nullopt where they give no border style (the frame draws its own), none for the style none
    // or no width (a `border` leaves out none of the three), flat for any line (a picture box has
    // no dashes or thicker lines).
    static std::optional<Border> sheet_border(std::string_view style_sheet,
                                              std::string_view object_name);
};

}  // namespace kv::host
