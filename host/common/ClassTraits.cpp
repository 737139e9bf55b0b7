#include "host/common/ClassTraits.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <initializer_list>

#include "host/common/TextFold.h"

namespace kv::host {

namespace {

ClassTraits form_traits(bool mdi) {
    ClassTraits t;
    t.is_form = true;
    t.is_mdi_form = mdi;
    t.container = true;
    t.scale = true;
    t.windowed = true;
    t.font = !mdi;  // an MDI parent form has no font
    t.caption = true;
    t.border_style = !mdi;
    t.tab_index = t.tab_stop = t.tool_tip = false;
    t.has_container = false;
    return t;
}

// No font, no tab order, no tool tip: the lightweight graphical controls.
ClassTraits graphic_traits(GeometryKind g) {
    ClassTraits t;
    t.geometry = g;
    t.font = false;
    t.tab_index = t.tab_stop = false;
    t.tool_tip = false;
    t.mouse_pointer = false;
    t.border_style = true;
    return t;
}

}  // namespace

bool aligns_by_default(std::string_view class_name) {
    static constexpr std::array<std::string_view, 3> kBars = {"Toolbar", "StatusBar", "CoolBar"};
    return std::any_of(kBars.begin(), kBars.end(),
                       [&](std::string_view b) { return iequal(b, class_name); });
}

ClassTraits traits_for(std::string_view c, const ForeignClass& foreign) {
    if (iequal(c, "Form")) return form_traits(false);
    if (iequal(c, "MDIForm")) return form_traits(true);

    ClassTraits t;
    if (iequal(c, "TextBox")) {
        t.windowed = true;
        t.border_style = true;
    } else if (iequal(c, "Label")) {
        t.caption = t.border_style = true;
        t.tab_stop = false;
    } else if (iequal(c, "ListBox")) {
        t.windowed = true;
        t.integral_height = true;
    } else if (iequal(c, "ComboBox")) {
        t.windowed = true;
        t.fixed_height = true;
    } else if (iequal(c, "CommandButton") || iequal(c, "CheckBox") || iequal(c, "OptionButton")) {
        t.windowed = t.caption = true;
    } else if (iequal(c, "DriveListBox")) {
        // A drop-down list of the drives: its height follows its font, like a combo box's.
        t.windowed = true;
        t.fixed_height = true;
    } else if (iequal(c, "Data")) {
        // The record navigator: a bar that is often aligned to the form's bottom edge, and
        // that the Tab key passes by.
        t.caption = t.align = true;
        t.tab_index = t.tab_stop = false;
    } else if (iequal(c, "Frame")) {
        t.windowed = t.container = t.caption = t.border_style = true;
        t.tab_stop = false;
    } else if (iequal(c, "PictureBox")) {
        t.windowed = t.container = t.scale = t.border_style = true;
        t.align = true;
    } else if (iequal(c, "Image")) {
        t = graphic_traits(GeometryKind::Box);
        t.back_color = false;
        t.tool_tip = t.mouse_pointer = true;
    } else if (iequal(c, "Shape")) {
        t = graphic_traits(GeometryKind::Box);
    } else if (iequal(c, "Line")) {
        t = graphic_traits(GeometryKind::LineEnds);
        t.back_color = false;
    } else if (iequal(c, "Timer")) {
        t = graphic_traits(GeometryKind::PositionOnly);
        t.back_color = t.border_style = false;
    } else if (iequal(c, "Menu")) {
        t = graphic_traits(GeometryKind::None);
        t.back_color = t.border_style = false;
        t.caption = true;
        t.has_container = false;
    } else if (foreign.invisible) {
        // Shown by the designer only: like a timer, a position and nothing to draw or size.
        t = graphic_traits(GeometryKind::PositionOnly);
        t.back_color = t.border_style = false;
    } else {
        // A control of another library: windowed, with geometry and the plain properties.
        t.windowed = t.caption = t.border_style = true;
        t.container = foreign.container;
    }
    if (foreign.aligns || aligns_by_default(c)) t.align = true;
    return t;
}

std::string_view looks_as(std::string_view class_name) {
    static constexpr std::pair<std::string_view, std::string_view> kAlike[] = {
        {"DataCombo", "ComboBox"}, {"DBCombo", "ComboBox"}, {"ImageCombo", "ComboBox"},
        {"DataList", "ListBox"},   {"DBList", "ListBox"},
    };
    for (const auto& [own, like] : kAlike)
        if (iequal(own, class_name)) return like;
    return class_name;
}

bool is_runtime_class(std::string_view class_name) {
    static constexpr std::string_view kClasses[] = {
        "Form",       "MDIForm",       "Menu",     "PictureBox",   "Label",      "TextBox",
        "Frame",      "CommandButton", "CheckBox", "OptionButton", "ComboBox",   "ListBox",
        "HScrollBar", "VScrollBar",    "Timer",    "DriveListBox", "DirListBox", "FileListBox",
        "Shape",      "Line",          "Image",    "Data",         "OLE"};
    for (const auto c : kClasses)
        if (iequal(c, class_name)) return true;
    return false;
}

uint64_t supported_props(const ClassTraits& t) {
    const auto bits = [](std::initializer_list<Prop> props) {
        uint64_t b = 0;
        for (const Prop p : props) b |= uint64_t{1} << static_cast<unsigned>(p);
        return b;
    };
    const auto when = [](bool on, uint64_t b) { return on ? b : uint64_t{0}; };
    const GeometryKind g = t.geometry;
    // Index and Name are everywhere but forms have no Index; geometry follows the geometry kind;
    // a timer has no Visible.
    return bits({Prop::Name, Prop::Tag}) | when(!t.is_form, bits({Prop::Index})) |
           when(g == GeometryKind::Box || g == GeometryKind::PositionOnly,
                bits({Prop::Left, Prop::Top})) |
           when(g == GeometryKind::Box, bits({Prop::Width, Prop::Height})) |
           when(g == GeometryKind::LineEnds, bits({Prop::X1, Prop::Y1, Prop::X2, Prop::Y2})) |
           when(g != GeometryKind::PositionOnly, bits({Prop::Visible})) |
           when(t.align, bits({Prop::Align})) | when(t.font, bits({Prop::FontSize})) |
           when(t.mouse_pointer, bits({Prop::MousePointer})) |
           when(t.back_color, bits({Prop::BackColor})) | when(t.tab_index, bits({Prop::TabIndex})) |
           when(t.tab_stop, bits({Prop::TabStop})) | when(t.tool_tip, bits({Prop::ToolTipText})) |
           when(t.caption, bits({Prop::Caption})) |
           when(t.border_style, bits({Prop::BorderStyle})) |
           when(t.scale, bits({Prop::ScaleWidth, Prop::ScaleHeight, Prop::ScaleMode,
                               Prop::ScaleLeft, Prop::ScaleTop})) |
           when(t.is_form, bits({Prop::WindowState})) |
           when(t.is_form || t.windowed, bits({Prop::hWnd})) |
           when(t.is_form && !t.is_mdi_form, bits({Prop::MDIChild, Prop::StartUpPosition}));
}

bool supports(const ClassTraits& t, Prop p) {
    return p != Prop::Count_ && (supported_props(t) >> static_cast<unsigned>(p) & 1) != 0;
}

}  // namespace kv::host
