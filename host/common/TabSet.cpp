#include "host/common/TabSet.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "engine/Error.h"
#include "host/common/NamedValues.h"
#include "host/common/StyleSheet.h"
#include "host/common/TextFold.h"

namespace kv::host {

namespace {

// No form shows more tabs than this; a file saying more is cut there.
constexpr int kMaxTabs = 256;
constexpr int kMaxControlsPerTab = 4096;

void read_dialog(HostObject& o, TabSet& t) {
    const int count = whole(named_number(o, "Tabs").value_or(3), 1, kMaxTabs);
    t.per_row = whole(named_number(o, "TabsPerRow").value_or(3), 1, kMaxTabs);
    t.style = whole(named_number(o, "Style").value_or(0), 0, 1);
    t.tab_height_twips = himetric_twips(named_number(o, "TabHeight").value_or(529));
    for (int i = 0; i < count; ++i) {
        const std::string at = "(" + std::to_string(i) + ")";
        t.captions.push_back(named_text(o, "TabCaption" + at).value_or("Tab " + std::to_string(i)));
        std::vector<std::string> keys;
        const int listed =
            whole(named_number(o, "Tab" + at + ".ControlCount").value_or(0), 0, kMaxControlsPerTab);
        for (int k = 0; k < listed; ++k)
            if (auto key = named_text(o, "Tab" + at + ".Control(" + std::to_string(k) + ")"))
                keys.push_back(*key);
        t.controls.push_back(std::move(keys));
    }
    t.current = whole(named_number(o, "Tab").value_or(0), 0, count - 1);
    t.orientation = whole(named_number(o, "TabOrientation").value_or(0), 0, 3);
}

void read_strip(HostObject& o, TabSet& t) {
    t.kind = TabSet::Kind::Strip;
    const int count = whole(named_number(o, "Tabs.Count").value_or(1), 1, kMaxTabs);
    for (int i = 1; i <= count; ++i)
        t.captions.push_back(named_text(o, "Tabs(" + std::to_string(i) + ").Caption").value_or(""));
    t.controls.resize(t.captions.size());
    t.per_row = count;
    t.style = 1;
    t.current = whole(named_number(o, "Tab").value_or(0), 0, count - 1);
    const auto side = named_number(o, "Placement");
    t.orientation = whole(side ? *side : named_number(o, "TabOrientation").value_or(0), 0, 3);
    t.buttons = whole(named_number(o, "Style").value_or(0), 0, 2);
    t.multi_row = named_number(o, "MultiRow").value_or(0) != 0;
    constexpr int kJustified = 0, kFixedWidths = 2;
    const double width_style = named_number(o, "TabWidthStyle").value_or(kJustified);
    t.justified = t.multi_row && width_style == kJustified;
    if (width_style == kFixedWidths) {
        if (const auto w = named_number(o, "TabFixedWidth"); w && *w > 0)
            t.fixed_width_twips = himetric_twips(*w);
        if (const auto h = named_number(o, "TabFixedHeight"); h && *h > 0)
            t.tab_height_twips = himetric_twips(*h);
    }
}

// QTabWidget's names of the sides, in the order of TabOrientation.
constexpr const char* kQtSides[] = {"North", "South", "West", "East"};

// Tabs on the left or right stand upright: their height across the bar is a width.
bool upright(int side) {
    return side == 2 || side == 3;
}

}  // namespace

std::string qt_tab_sheet(const std::string& widget_name, int tab_height, int side,
                         int fixed_width) {
    std::string rule =
        std::string(upright(side) ? "width: " : "height: ") + std::to_string(tab_height) + "px;";
    if (fixed_width > 0)
        rule += std::string(upright(side) ? " height: " : " width: ") +
                std::to_string(fixed_width) + "px;";
    const std::string scope = widget_name.empty() ? "" : "QTabWidget#" + widget_name + " > ";
    return scope + "QTabBar::tab { " + rule + " }";
}

std::string qt_tab_buttons_sheet(const std::string& widget, int buttons) {
    if (buttons != 1 && buttons != 2) return "";
    const std::string pane = (widget.empty() ? "QTabWidget" : widget) + "::pane",
                      tab = (widget.empty() ? "" : widget + " > ") + "QTabBar::tab";
    // Flat buttons show an edge only while on view.
    const std::string edge = buttons == 1 ? "2px outset palette(mid)" : "2px solid transparent";
    return pane + " { border: none; } " + tab + " { border: " + edge +
           (buttons == 1 ? "; background: palette(button)" : "") +
           "; margin: 1px; padding: 2px 8px; } " + tab +
           ":selected { border: 2px inset palette(mid); }";
}

int qt_tab_height(std::string_view sheet, int side) {
    constexpr int kQtOwn = 26;
    const std::string_view across = upright(side) ? "width" : "height";
    // The declarations of each QTabBar::tab rule, property by property: a min- or max- size or a
    // size in another rule is not the tabs' own.
    const StyleSheet parsed(sheet);
    for (const auto& rule : parsed.rules()) {
        if (std::none_of(rule.selectors.begin(), rule.selectors.end(), [](const std::string& one) {
                return one.find("QTabBar::tab") != std::string::npos;
            }))
            continue;
        for (const auto& [name, value] : rule.declarations) {
            if (name != across) continue;
            int px = 0;
            for (size_t i = 0; i < value.size() &&
                               std::isdigit(static_cast<unsigned char>(value[i])) && px < 10000;
                 ++i)
                px = px * 10 + (value[i] - '0');
            if (px > 0) return px;
        }
    }
    return kQtOwn;
}

std::pair<int, int> qt_page_origin(int tab_height, int side) {
    if (side == 2) return {tab_height, kQtPaneFrame};
    if (side == 0) return {kQtPaneFrame, tab_height};
    return {kQtPaneFrame, kQtPaneFrame};  // the tabs beyond the page
}

std::string qt_tab_position(int side) {
    return std::string("QTabWidget::") + kQtSides[std::clamp(side, 0, 3)];
}

int qt_tab_side(std::string_view position) {
    if (const size_t colons = position.rfind("::"); colons != std::string_view::npos)
        position.remove_prefix(colons + 2);
    for (int side = 0; side < 4; ++side)
        if (position == kQtSides[side]) return side;
    return 0;
}

int TabSet::rows() const {
    if (kind == Kind::Strip || per_row <= 0) return 1;
    return (count() + per_row - 1) / per_row;
}

int TabSet::tab_of(std::string_view key) const {
    for (size_t t = 0; t < controls.size(); ++t)
        for (const auto& k : controls[t])
            if (iequal(k, key)) return static_cast<int>(t);
    return -1;
}

bool TabSet::shows(std::string_view key, double left) const {
    const int tab = tab_of(key);
    return tab < 0 ? !parked(left) : tab == current;
}

bool TabSet::candidate(std::string_view type,
                       const std::vector<std::pair<std::string, Value>>& properties) {
    if (iequal(type, "SSTab") || iequal(type, "TabStrip")) return true;
    for (const auto& [name, value] : properties)
        if (iequal(name, "Tabs") || iequal(name, "Tabs.Count") || iequal(name, "TabCaption(0)") ||
            iequal(name, "Tab(0).ControlCount"))
            return true;
    return false;
}

std::optional<TabSet> TabSet::read(HostObject& o) {
    TabSet t;
    const std::string type = o.type_name();
    const bool dialog = named_number(o, "Tabs") || named_value(o, "TabCaption(0)") ||
                        named_value(o, "Tab(0).ControlCount") || iequal(type, "SSTab");
    if (dialog) {
        read_dialog(o, t);
        return t;
    }
    if (named_number(o, "Tabs.Count") || iequal(type, "TabStrip")) {
        read_strip(o, t);
        return t;
    }
    return std::nullopt;
}

}  // namespace kv::host
