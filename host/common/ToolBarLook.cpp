#include "host/common/ToolBarLook.h"

#include <cmath>
#include <variant>

#include "host/common/NamedValues.h"
#include "host/common/TextFold.h"

namespace kv::host {

namespace {

// No toolbar holds more buttons than this; a file saying more is cut there.
constexpr int kMaxButtons = 256;
// Buttons stand this far below the bar's top edge (pixels).
constexpr double kTopMargin = 2;

}  // namespace

bool ToolBarLook::candidate(std::string_view class_name) {
    return iequal(class_name, "Toolbar");
}

ToolBarLook ToolBarLook::read(HostObject& bar) {
    ToolBarLook look;
    if (const auto w = named_number(bar, "ButtonWidth"); w && *w > 0)
        look.button_width_twips = himetric_twips(*w);
    if (const auto h = named_number(bar, "ButtonHeight"); h && *h > 0)
        look.button_height_twips = himetric_twips(*h);
    look.flat = named_number(bar, "Style").value_or(0) == 1;
    look.etched = named_number(bar, "Appearance").value_or(1) == 1;
    look.caption_right = named_number(bar, "TextAlignment").value_or(0) == 1;
    look.image_list = named_text(bar, "ImageList").value_or("");
    const int count = whole(named_number(bar, "Buttons.Count").value_or(0), 0, kMaxButtons);
    for (int i = 1; i <= count; ++i) {
        const std::string at = "Buttons(" + std::to_string(i) + ").";
        ToolButton b;
        b.caption = named_text(bar, at + "Caption").value_or("");
        b.key = named_text(bar, at + "Key").value_or("");
        b.tool_tip = named_text(bar, at + "ToolTipText").value_or("");
        b.style = whole(named_number(bar, at + "Style").value_or(0), 0, 5);
        b.pressed = named_number(bar, at + "Value").value_or(0) != 0;
        b.enabled = named_number(bar, at + "Enabled").value_or(1) != 0;
        b.visible = named_number(bar, at + "Visible").value_or(1) != 0;
        // Image is an index from 1, or the key of a picture in the list.
        if (const auto v = named_value(bar, at + "Image")) {
            if (std::holds_alternative<std::string>(*v))
                b.image_key = std::get<std::string>(*v);
            else if (const auto n = named_number(bar, at + "Image"))
                b.image_index = whole(*n, 0, 65535);
        }
        b.width_twips = himetric_twips(named_number(bar, at + "Width").value_or(0));
        look.buttons.push_back(std::move(b));
    }
    return look;
}

std::vector<ToolBarLook::Box> ToolBarLook::place(double tpp) const {
    std::vector<Box> out(buttons.size());
    const double w = std::round(button_width_twips / tpp),
                 h = std::round(button_height_twips / tpp);
    double left = 0;
    for (size_t i = 0; i < buttons.size(); ++i) {
        const ToolButton& b = buttons[i];
        if (!b.visible) continue;
        double width = w;
        if (b.style == ToolButton::Separator) width = kSeparatorWidth;
        if (b.style == ToolButton::Placeholder) width = std::round(b.width_twips / tpp);
        if (b.style == ToolButton::Dropdown) width += kDropArrowWidth;
        out[i] = {left, kTopMargin, width, h};
        left += width;
    }
    return out;
}

int ToolBarLook::button_at(double x, double y, double tpp) const {
    const auto boxes = place(tpp);
    for (size_t i = 0; i < boxes.size(); ++i) {
        const Box& b = boxes[i];
        if (!b.empty() && x >= b.left && x < b.left + b.width && y >= b.top && y < b.top + b.height)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace kv::host
