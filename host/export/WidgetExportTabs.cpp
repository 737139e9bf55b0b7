// A tab control as a QTabWidget: a page per tab, titled with its caption, holding the controls
// listed on that tab where the form shows them with their tab on view.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "engine/HostAccess.h"
#include "host/export/WidgetExport.h"

namespace kv::exporter {

void WidgetExport::write_tabs(mem::MemoryObject& c, const host::TabSet& tabs, ui::UiNode& node,
                              ui::UiNode& parent, const ExportFont& font,
                              const ExportFont& inherited, ExportShift place) {
    const std::string name = ctx_.names.of(c);
    // Tabs on the form's side, as high as the form's (one row: Qt's tab bar scrolls), so that the
    // pages start where the form's controls expect them.
    const int side = tabs.orientation;
    const int tab_height = std::max(1, ctx_.px(tabs.tab_height_twips));
    int fixed_width = tabs.fixed_width_twips > 0 ? std::max(1, ctx_.px(tabs.fixed_width_twips)) : 0;
    // A dialog's tabs of one width share its length, so many a row: as long as the form has it
    // here, and the resizer keeps them sharing it as the widget's size changes (TabsPerRow).
    const bool even = tabs.kind == host::TabSet::Kind::Dialog && tabs.style == 0;
    if (even) {
        const auto r = c.rect_twips();
        const int length = ctx_.px(side >= 2 ? r.height : r.width);
        fixed_width = std::max(1, length / std::max(1, tabs.per_row));
    }
    std::string sheet = host::qt_tab_sheet(name, tab_height, side, fixed_width);
    if (const std::string b = host::qt_tab_buttons_sheet("QTabWidget#" + name, tabs.buttons);
        !b.empty())
        sheet += " " + b;
    node.add_sheet_rule(sheet);
    if (side != 0) node.enum_property("tabPosition", host::qt_tab_position(side));
    node.number_property("currentIndex", tabs.current);
    if (even) node.number_property("TabsPerRow", tabs.per_row, true);
    // A strip's own look rides along: the .ui comes back a strip of buttons or fixed widths.
    if (tabs.kind == host::TabSet::Kind::Strip)
        for (const char* p : host::TabSet::kStripProperties) {
            const double n = number_or(c, p, std::string_view(p) == "TabWidthStyle" ? 0 : NAN);
            if (std::isfinite(n)) node.number_property(p, std::llround(n), true);
        }
    // Qt's tab bar has one row: the others' tabs join it, and its pages start a row from the edge.
    if (tabs.multi_row)
        ctx_.report.notes.push_back(name +
                                    ": tabs in several rows as they fit, which a .ui cannot "
                                    "hold: Qt shows them in one row that scrolls");
    if (tabs.rows() > 1)
        ctx_.report.notes.push_back(name + ": " + std::to_string(tabs.count()) + " tabs in " +
                                    std::to_string(tabs.rows()) +
                                    " rows, which a .ui cannot hold: Qt shows them in one, its "
                                    "pages starting a row from the tabs' edge");
    const auto [page_x, page_y] = host::qt_page_origin(tab_height, side);
    std::vector<ui::UiNode*> pages;
    for (int i = 0; i < tabs.count(); ++i) {
        ui::UiNode& page =
            node.add("widget")
                .attribute("class", "QWidget")
                .attribute("name", ctx_.names.reserve(name + "_tab" + std::to_string(i)));
        if (const auto path = pictures_.path_of(c, "TabPicture(" + std::to_string(i) + ")"))
            add_iconset(page.add("attribute").attribute("name", "icon"), pictures_.resource_file(),
                        *path);
        page.add("attribute").attribute("name", "title").add("string", tabs.captions[i]);
        pages.push_back(&page);
    }
    const ExportFont& held = c.traits().font ? font : inherited;
    // As write_children: the drawn controls first.
    for (const bool windowed : {false, true})
        for (const auto& child : c.children()) {
            if (child->traits().windowed != windowed) continue;
            const int tab = tabs.tab_of(control_key(*child));
            if (tab < 0) {
                // Shown on every tab: over the tab widget, where it stands on the form.
                write(*child, parent, inherited, place);
                continue;
            }
            const double left = child->traits().geometry == host::GeometryKind::LineEnds
                                    ? child->line_ends_twips()[0]
                                    : child->rect_twips().left;
            write(*child, *pages[tab], held, {host::TabSet::shift(left), page_x, page_y});
        }
}

}  // namespace kv::exporter
