#pragma once
// A main window's dock widgets, as the forms runtime has them: a bar on the form's edge (a
// borderless picture box aligned to the side the dock is on) holding the dock's widgets below its
// title. Top and bottom docks take the window's whole width, left and right ones the height
// between them (Qt's corners by default, and how the runtime stacks its bars); the central widget
// starts past those on the left and top.
#include <functional>
#include <utility>
#include <vector>

#include "host/ui/UiValues.h"

namespace kv::ui {

struct UiDock {
    const UiElement* widget = nullptr;    // the dock widget
    const UiElement* contents = nullptr;  // the widget it shows, nullptr when none
    int align = 3;                        // the runtime's Align: 1 top, 2 bottom, 3 left, 4 right
    int size = 0;                         // pixels across its edge (a width for left and right)
};

class UiDocks {
  public:
    // A docked widget's title bar above its contents, at Qt's default font.
    static constexpr int kTitlePixels = 20;

    // The dock widgets of `window` that are shown; `is_dock` tells a dock widget's class (one of
    // the application's may extend QDockWidget).
    static std::vector<UiDock> read(const UiValues& values, const UiElement& window,
                                    const std::function<bool(const UiElement&)>& is_dock);
    // Where the central widget starts in the window's client area, in pixels.
    static std::pair<int, int> central_origin(const std::vector<UiDock>& docks);
};

}  // namespace kv::ui
