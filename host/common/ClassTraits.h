#pragma once
// What each control class of the memory host supports, in the way a forms runtime fixes it per
// class: geometry kind, font, scale, window handle, alignment, and the plain properties.
#include <string>
#include <string_view>

#include "engine/HostObject.h"

namespace kv::host {

enum class GeometryKind {
    Box,           // Left, Top, Width, Height, Move
    LineEnds,      // X1, Y1, X2, Y2 only (Line)
    PositionOnly,  // Left and Top readable/writable, no Width/Height, no Move (Timer)
    None,          // no geometry at all (Menu)
};

struct ClassTraits {
    GeometryKind geometry = GeometryKind::Box;
    bool is_form = false;
    bool is_mdi_form = false;
    bool container = false;        // may hold child controls (Frame, PictureBox, forms)
    bool scale = false;            // ScaleWidth/ScaleHeight/ScaleMode/ScaleLeft/ScaleTop, ScaleX/Y
    bool windowed = false;         // has an hWnd
    bool font = true;              // FontSize
    bool align = false;            // Align
    bool caption = false;          // Caption
    bool border_style = false;     // BorderStyle
    bool tab_index = true;         // TabIndex
    bool tab_stop = true;          // TabStop
    bool back_color = true;        // BackColor
    bool tool_tip = true;          // ToolTipText
    bool mouse_pointer = true;     // MousePointer
    bool has_container = true;     // Container property (a menu has none)
    bool integral_height = false;  // ListBox: whole lines only (while IntegralHeight is true)
    bool fixed_height = false;     // ComboBox: Height writes are ignored (but a simple one's)
};

// The height of a drop-down combo box at the default font, and of a simple one's text box.
inline constexpr int kComboHeightPixels = 21;

// What the runtime knows of a class of another library beyond its name: whether it has Align
// (tool and status bars), holds the controls placed in it (a tab strip, a toolbar), or is
// invisible at run time (a dialog, an image list: a position only, no size, no font).
struct ForeignClass {
    bool aligns = false;
    bool container = false;
    bool invisible = false;
};

// The traits of a class name ("Form", "TextBox", "Line", ...). Unknown class names get a generic
// windowed control with geometry and every plain property, shaped by `foreign`; its `aligns`
// adds Align support to any class.
ClassTraits traits_for(std::string_view class_name, const ForeignClass& foreign = {});

// The properties an object of these traits has: bit p for property p.
uint64_t supported_props(const ClassTraits& t);
// Does an object of these traits have property `p`?
bool supports(const ClassTraits& t, Prop p);

// A class of the runtime's own library ("TextBox", "OLE", "Menu", ...; any case), as a form file
// names it after "VB.".
bool is_runtime_class(std::string_view class_name);

// The runtime's class a control of another library looks and works like to its user (a
// data-bound combo box, a combo box of pictures: "ComboBox"; a data-bound list: "ListBox"), for
// drawing it and showing it live; the class itself for any other. Its traits stay its own.
std::string_view looks_as(std::string_view class_name);

// Class names of other libraries that are aligned bars by default ("Toolbar", "StatusBar",
// "CoolBar"); MemoryHost::set_class_aligns adds more.
bool aligns_by_default(std::string_view class_name);

}  // namespace kv::host
