#include "control/ScreenFit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kv {

namespace {

double overlap(double a0, double a1, double b0, double b1) {
    return std::max(0.0, std::min(a1, b1) - std::max(a0, b0));
}

// Distance from a point to a rectangle (0 inside).
double distance(double x, double y, const ScreenArea& s) {
    const double dx = std::max({s.left - x, 0.0, x - (s.left + s.width)});
    const double dy = std::max({s.top - y, 0.0, y - (s.top + s.height)});
    return std::hypot(dx, dy);
}

}  // namespace

PlacedRect fit_to_screens(PlacedRect r, const std::vector<ScreenArea>& screens,
                          double title_height) {
    if (screens.empty()) return r;
    // The screen that shows most of the title bar; when none shows any, the one nearest to it.
    // A title bar wholly on the screens (one or several side by side) is left alone.
    const ScreenArea* best = nullptr;
    double best_area = 0, shown = 0;
    for (const auto& s : screens) {
        const double area = overlap(r.left, r.left + r.width, s.left, s.left + s.width) *
                            overlap(r.top, r.top + title_height, s.top, s.top + s.height);
        shown += area;
        if (area > best_area) best = &s, best_area = area;
    }
    if (best && r.width > 0 && shown >= r.width * title_height * (1 - 1e-9)) {
        r.height = std::min(r.height, best->height);
        return r;
    }
    if (!best) {
        double nearest = std::numeric_limits<double>::infinity();
        const double cx = r.left + r.width / 2, cy = r.top + title_height / 2;
        for (const auto& s : screens)
            if (double d = distance(cx, cy, s); d < nearest) best = &s, nearest = d;
    }
    const ScreenArea& s = *best;
    r.width = std::min(r.width, s.width);
    r.height = std::min(r.height, s.height);
    // The whole title bar on the screen: its left and right ends and its top edge.
    r.left = std::clamp(r.left, s.left, s.left + s.width - r.width);
    r.top = std::clamp(r.top, s.top, s.top + s.height - std::min(title_height, r.height));
    return r;
}

}  // namespace kv
