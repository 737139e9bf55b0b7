#include "host/ui/UiDocks.h"

#include <algorithm>
#include <string>

namespace kv::ui {

namespace {

// Qt's dock areas (1 left, 2 right, 4 top, 8 bottom), by number or by name, as the runtime's Align.
int align_of(const UiValues& values, const UiElement& dock) {
    for (const UiElement* a : dock.children_named("attribute")) {
        const std::string* name = a->attribute("name");
        if (!name || *name != "dockWidgetArea") continue;
        if (const UiElement* n = a->child("number")) {
            switch (values.whole(*n, 0, 15)) {
                case 2:
                    return 4;
                case 4:
                    return 1;
                case 8:
                    return 2;
                default:
                    return 3;
            }
        }
        const std::string area = trimmed(a->child_text("enum"));
        if (area.find("Right") != std::string::npos) return 4;
        if (area.find("Top") != std::string::npos) return 1;
        if (area.find("Bottom") != std::string::npos) return 2;
    }
    return 3;  // Qt's default side
}

// How far the contents' widgets reach, with Qt's margin past them.
std::pair<int, int> reach(const UiValues& values, const UiElement* contents) {
    constexpr int kMargin = 9;
    int right = 0, bottom = 0;
    if (contents)
        for (const UiElement* w : contents->children_named("widget"))
            if (const auto g = values.rect(*w, "geometry")) {
                right = std::max(right, g->x + g->width + kMargin);
                bottom = std::max(bottom, g->y + g->height + kMargin);
            }
    return {right, bottom};
}

}  // namespace

std::vector<UiDock> UiDocks::read(const UiValues& values, const UiElement& window,
                                  const std::function<bool(const UiElement&)>& is_dock) {
    std::vector<UiDock> out;
    for (const UiElement* w : window.children_named("widget")) {
        if (!is_dock(*w) || !values.boolean(*w, "visible").value_or(true)) continue;
        UiDock d;
        d.widget = w;
        d.contents = w->child("widget");
        d.align = align_of(values, *w);
        const bool across = d.align <= 2;
        // Its own size where the .ui gives one, else as far as its widgets reach.
        const auto [right, bottom] = reach(values, d.contents);
        if (const auto g = values.rect(*w, "geometry"))
            d.size = across ? g->height : g->width;
        else
            d.size = across ? kTitlePixels + bottom : right;
        out.push_back(d);
    }
    return out;
}

std::pair<int, int> UiDocks::central_origin(const std::vector<UiDock>& docks) {
    int x = 0, y = 0;
    for (const UiDock& d : docks) {
        if (d.align == 1) y += d.size;
        if (d.align == 3) x += d.size;
    }
    return {x, y};
}

}  // namespace kv::ui
