#pragma once
// The state of a form and its controls at one moment, read through the host interface as the
// system itself reads it (a property the object does not have is empty), plus the positions
// in form-client twips that the picture renderer needs.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/common/DataGridLook.h"
#include "host/common/DateLook.h"
#include "host/common/FlexGridLook.h"
#include "host/common/FontLook.h"
#include "host/common/ListViewLook.h"
#include "host/common/Picture.h"
#include "host/common/RangeLook.h"
#include "host/common/StatusBarLook.h"
#include "host/common/TabSet.h"
#include "host/common/ToolBarLook.h"
#include "host/common/UpDownLook.h"
#include "host/memory/MemoryForm.h"

namespace kv::app {

struct ControlState {
    std::string key, type, container_key;
    bool has_container = false;
    std::optional<double> align, left, top, width, height, scale_width, scale_height, font_size;
    host::FontLook font;
    std::optional<double> x1, y1, x2, y2;
    std::optional<bool> visible;
    std::string caption;       // Caption, else Text, for pictures
    bool use_mnemonic = true;  // a label's "&" underlines the next letter (else it shows)
    // In twips, relative to the form's client area (pictures).
    double abs_left = 0, abs_top = 0, abs_width = 0, abs_height = 0;
    double abs_x1 = 0, abs_y1 = 0, abs_x2 = 0, abs_y2 = 0;
    int depth = 0;  // containers above it (0: on the form)
    // Pictures: whether the runtime would show it (it and every container above it visible),
    // whether it has a window (windowless controls lie below the windows of their container),
    // and for a container the inner area its controls are placed and clipped in.
    bool shown = true;
    bool windowed = false;
    bool container = false;
    double inner_left = 0, inner_top = 0, inner_width = 0, inner_height = 0;
    // How it is drawn, where the object has these (colours as the host holds them).
    std::optional<double> back_color, back_style, border_color, border_style, border_width,
        fill_color, fill_style, shape, appearance, alignment;

    // Its picture as the form stores it (nullptr when none) and how it is fitted; a tab
    // control's tabs and the pictures on them.
    std::shared_ptr<const host::Picture> image;
    bool stretch = false, auto_size = false;
    std::optional<double> style;
    int scroll_bars = 0;  // a multi-line text box's: 1 across, 2 down, 3 both
    std::shared_ptr<const host::TabSet> tabs;
    std::vector<std::shared_ptr<const host::Picture>> tab_images;
    // A status bar's panels; a toolbar's buttons with their pictures.
    std::shared_ptr<const host::StatusBarLook> status_bar;
    std::shared_ptr<const host::ToolBarLook> tool_bar;
    // A progress bar's or a slider's range, value and lie.
    std::optional<host::RangeLook> range;
    // A list view's view and column headers; a tree view.
    std::optional<host::ListViewLook> list_view;
    std::optional<host::DataGridLook> data_grid;
    // A date picker's date and format; a month calendar's month.
    std::optional<host::DateLook> date;
    std::optional<host::UpDownLook> up_down;
    std::optional<host::FlexGridLook> flex_grid;

    std::optional<double> fore_color;  // its text's colour (ForeColor)
    // What the controls of a property page show (value and items also a form's scroll bars and
    // lists).
    std::optional<double> value, min, max;
    bool across = false;  // a Designer slider that lies across (Qt's lie upright)
    bool enabled = true;
    std::string picture, tool_tip;
    std::vector<std::string> items;  // list and combo entries
    std::vector<bool> selected;
};

// A top-level menu as the form's menu bar shows it.
struct MenuTitle {
    std::string caption;  // "&File": the letter after "&" underlined
    bool enabled = true;
};

struct FormState {
    std::string name;
    double left = 0, top = 0, width = 0, height = 0, scale_width = 0, scale_height = 0;
    int window_state = 0;
    double client_width_twips = 0, client_height_twips = 0;
    std::string caption;
    std::shared_ptr<const host::Picture> picture, icon;  // its background and window icon
    std::vector<MenuTitle> menus;  // its menu bar, in file order; empty when it has none
};

struct Snapshot {
    FormState form;
    std::vector<ControlState> controls;  // the Controls collection order
    bool page = false;                   // a property page: drawn with its own colours
    std::optional<double> back_color;    // the page's or form's own BackColor
};

Snapshot take_snapshot(mem::MemoryForm& form);

}  // namespace kv::app
