#pragma once
// An up-down control of the common controls: a pair of arrow buttons (one above the other, or
// side by side when Orientation is 1) that step its Value by Increment between Min and Max,
// round to the other end when it may Wrap; with SyncBuddy, each step writes the value into its
// buddy (BuddyControl, a control of the same form by name), as the control does by itself
// without the program. Shown alike in the tool's pictures, a live form and an exported .ui.
#include <string>
#include <string_view>

#include "engine/HostObject.h"

namespace kv::host {

class UpDownLook {
  public:
    double min = 0, max = 10, value = 0, increment = 1;
    bool across = false;  // Orientation 1: the arrows point left and right
    bool wrap = false;
    std::string buddy;  // BuddyControl
    bool sync_buddy = false;

    static bool candidate(std::string_view class_name);
    static UpDownLook read(HostObject& control);

    // The value one step up (`up`) or down: up goes towards Max (which may be below Min), held
    // at the end it passes, or round to the other end where the control wraps.
    double step(bool up) const;
    // The value as the buddy is given it ("5", "2.5").
    static std::string text_of(double value);
};

}  // namespace kv::host
