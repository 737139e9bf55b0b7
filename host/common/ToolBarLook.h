#pragma once
// A toolbar of the common controls as it looks: its buttons from left to right (the file's
// Buttons(1), Buttons(2), ... with Caption, Style, Value, Image, ToolTipText and a placeholder's
// Width), their size (ButtonWidth, ButtonHeight), the bar's Style (flat buttons) and Appearance,
// and where each button stands (BarDrawing.h draws it). The pictures come from the image list
// its ImageList property names, found by the host that holds both.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/HostObject.h"
#include "host/common/Picture.h"

namespace kv::host {

struct ToolButton {
    enum Style { Default = 0, Check = 1, Group = 2, Separator = 3, Placeholder = 4, Dropdown = 5 };
    std::string caption, key, tool_tip;
    int style = Default;
    bool pressed = false;  // Value 1: a check or group button that is in
    bool enabled = true, visible = true;
    int image_index = 0;     // Image as a number: the image list's picture from 1; 0 none
    std::string image_key;   // Image as a text: the picture of that key
    double width_twips = 0;  // a placeholder's Width
};

class ToolBarLook {
  public:
    std::vector<ToolButton> buttons;
    double button_width_twips = 345, button_height_twips = 330;
    bool flat = false;           // Style 1: buttons show their edges only while pressed
    bool etched = true;          // Appearance 1: the bar's edges drawn in 3-D
    bool caption_right = false;  // TextAlignment 1: a caption beside its picture, not below
    std::string image_list;      // the image list control's name; "" for none
    // Each button's picture (nullptr for none), and their size in pixels, by the host.
    std::vector<std::shared_ptr<const Picture>> pictures;
    int image_width = 16, image_height = 16;
    // The list's MaskColor as stored (&H00BBGGRR): where a bitmap has it, the bar shows through.
    std::optional<double> mask_colour;

    static bool candidate(std::string_view class_name);
    static ToolBarLook read(HostObject& bar);

    // Each button's box in pixels from the bar's top left corner, in order (an invisible one
    // empty); nothing wraps: buttons past the right edge are cut off.
    struct Box {
        double left = 0, top = 0, width = 0, height = 0;
        bool empty() const { return width <= 0 || height <= 0; }
    };
    std::vector<Box> place(double twips_per_pixel) const;
    // The button under a point in pixels from the bar's corner; -1 for none.
    int button_at(double x, double y, double twips_per_pixel) const;
};

// A separator's width, and a drop-down button's arrow part beside its face (pixels).
inline constexpr double kSeparatorWidth = 8, kDropArrowWidth = 13;

}  // namespace kv::host
