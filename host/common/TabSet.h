#pragma once
// A tab control as a form holds it, for the hosts that show it: the designer's tabbed dialog
// (`Tabs`, `TabsPerRow`, `Tab`, `TabCaption(n)`, `Style`, `TabHeight` in HiMetric, and each tab's
// controls as `Tab(n).Control(k)`), or a tab strip of the common controls, whose tabs the form
// file loader keeps as `Tabs.Count`, `Tabs(1).Caption`, `Tabs(1).Key`, ... (with `Placement`,
// `Style`, `MultiRow`, and `TabWidthStyle` 2 for tabs of `TabFixedWidth` by `TabFixedHeight`).
//
// The designer parks the controls of every tab but the one shown when the form was saved
// 75 000 twips to the left. Their geometry stays so in the forms model, and the resizer lays
// them out from it like any other control; a host shows a control of the tab on view further
// right by that distance as the resizer carried it (scaled, for a left edge in proportion).
// Switching tabs is then the host's alone and never moves a control, so each tab's controls
// keep their place however the form is resized in between.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/HostObject.h"

namespace kv::host {

inline constexpr double kParkedShift = 75000;

// Is this the left edge of a control the designer parked on a tab not on view?
inline bool parked(double left) {
    return left < -kParkedShift / 2;
}

// A Qt tab widget's page starts inside the frame of its pane, and past its tabs on the side they
// stand on (`side` as TabSet::orientation: 0 top, 1 bottom, 2 left, 3 right). An exported tab
// widget's tabs are given their height across the tab bar in a style sheet (a width, for the
// upright tabs on the left or right), which qt_tab_sheet() writes and qt_tab_height() reads from
// a QTabBar::tab rule, written by hand too (Qt's own at its default font where it says none).
inline constexpr int kQtPaneFrame = 2;
// A fixed tab width (`fixed_width` pixels along the bar, 0 for none) goes in the same rule. An
// empty `widget_name` gives the rule for a sheet set on the tab widget itself.
std::string qt_tab_sheet(const std::string& widget_name, int tab_height, int side,
                         int fixed_width = 0);
int qt_tab_height(std::string_view style_sheet, int side);
// The rules that show a strip's buttons (`buttons` as TabSet::buttons; "" for tabs): no pane, the
// tabs push buttons. `widget` scopes them to one tab widget by selector ("QTabWidget#name"), or
// is empty for a sheet set on the tab widget itself.
std::string qt_tab_buttons_sheet(const std::string& widget, int buttons);
// Where the page starts, in pixels from the tab widget's corner.
std::pair<int, int> qt_page_origin(int tab_height, int side);
// QTabWidget's tabPosition for a side ("QTabWidget::South"), and the side one names (the top
// for a name it does not know).
std::string qt_tab_position(int side);
int qt_tab_side(std::string_view tab_position);

struct TabSet {
    // A tab strip's own properties that a QTabWidget cannot hold; an exported strip's tab widget
    // keeps them as dynamic properties (`TabWidthStyle` always), and comes back a strip.
    static constexpr const char* kStripProperties[] = {"TabWidthStyle", "Style", "MultiRow",
                                                       "TabFixedWidth", "TabFixedHeight"};

    enum class Kind { Dialog, Strip };
    Kind kind = Kind::Dialog;
    std::vector<std::string> captions;  // one per tab, in order
    int per_row = 3;
    int current = 0;  // the tab on view, from 0
    int style = 0;    // a dialog's Style: 0 tabs of one width, 1 tabs as wide as their caption
    double tab_height_twips = 300;  // one row of tabs
    // The side the tabs stand on (TabOrientation; a strip's Placement): 0 top, 1 bottom, 2 left,
    // 3 right.
    int orientation = 0;
    // A strip's tabs of one fixed width (TabWidthStyle 2: TabFixedWidth, and TabFixedHeight for
    // their height, in HiMetric in the file); 0 where the captions size them.
    double fixed_width_twips = 0;
    // A strip's MultiRow: tabs that do not fit along the control wrap onto further rows, the row
    // of the tab on view next to the page; with `justified` (TabWidthStyle 0) each row's tabs
    // share the control's length. A host with one row of tabs (Qt's tab bar) scrolls instead.
    bool multi_row = false;
    bool justified = false;
    // A strip's Style: 0 tabs over a page, 1 push buttons, 2 flat buttons (neither has a page).
    int buttons = 0;
    std::vector<std::vector<std::string>> controls;  // the keys listed on each tab

    int count() const { return static_cast<int>(captions.size()); }
    int rows() const;
    // The tab a control is listed on, -1 when none lists it (it shows on every tab).
    int tab_of(std::string_view key) const;
    // Does the control (by its key and left edge) show while `current` is on view?
    bool shows(std::string_view key, double left) const;
    // How far right of its left edge a host shows the control.
    static double shift(double left) { return parked(left) ? kParkedShift : 0; }

    // Could a control of this class with these properties (by name) be a tab control? Cheap,
    // to ask before read(), which tries every property it knows.
    static bool candidate(std::string_view type_name,
                          const std::vector<std::pair<std::string, Value>>& properties);
    // The tab set of a control, nullopt when it is no tab control. A class named SSTab or
    // TabStrip is one even with every property at its default.
    static std::optional<TabSet> read(HostObject& control);
};

}  // namespace kv::host
