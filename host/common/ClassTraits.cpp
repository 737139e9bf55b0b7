#include "host/common/ClassTraits.h"

#include <algorithm>
#include <array>
#include <cctype>

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

bool supports(const ClassTraits& t, Prop p) {
    switch (p) {
        case Prop::Left:
        case Prop::Top:
            return t.geometry == GeometryKind::Box || t.geometry == GeometryKind::PositionOnly;
        case Prop::Width:
        case Prop::Height:
            return t.geometry == GeometryKind::Box;
        case Prop::X1:
        case Prop::Y1:
        case Prop::X2:
        case Prop::Y2:
            return t.geometry == GeometryKind::LineEnds;
        case Prop::Name:
        case Prop::Tag:
            return true;
        case Prop::Index:
            return !t.is_form;
        case Prop::Visible:
            return t.geometry != GeometryKind::PositionOnly;  // a timer has none
        case Prop::Align:
            return t.align;
        case Prop::FontSize:
            return t.font;
        case Prop::MousePointer:
            return t.mouse_pointer;
        case Prop::BackColor:
            return t.back_color;
        case Prop::TabIndex:
            return t.tab_index;
        case Prop::TabStop:
            return t.tab_stop;
        case Prop::ToolTipText:
            return t.tool_tip;
        case Prop::Caption:
            return t.caption;
        case Prop::BorderStyle:
            return t.border_style;
        case Prop::ScaleWidth:
        case Prop::ScaleHeight:
        case Prop::ScaleMode:
        case Prop::ScaleLeft:
        case Prop::ScaleTop:
            return t.scale;
        case Prop::WindowState:
        case Prop::hWnd:
            return t.is_form || (p == Prop::hWnd && t.windowed);
        case Prop::MDIChild:
        case Prop::StartUpPosition:
            return t.is_form && !t.is_mdi_form;
        case Prop::Count_:
            return false;
    }
    return false;
}

}  // namespace kv::host
