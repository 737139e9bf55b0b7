#pragma once
// Where a restored window goes on today's screens. A saved position may come from a monitor
// that is gone or a desktop that was larger: the window is moved so that its title bar lies on
// the nearest screen, and a saved size larger than that screen's work area is reduced to it.
// The stored values are not touched; only where the window is put changes.
#include <vector>

#include "engine/Host.h"

namespace kv {

struct PlacedRect {
    double left = 0, top = 0, width = 0, height = 0;
};

// The title bar's height used to tell whether the window can still be grabbed, in pixels.
inline constexpr int kTitleBarPixels = 19;

// `r` fitted onto `screens` (work areas, twips); `title_height` in twips. No screens: unchanged.
PlacedRect fit_to_screens(PlacedRect r, const std::vector<ScreenArea>& screens,
                          double title_height);

}  // namespace kv
