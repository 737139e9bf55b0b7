#pragma once
// A progress bar or a slider of the common controls as it looks: its range and value (Min, Max,
// Value), how it lies (Orientation), a progress bar's smooth fill or blocks (Scrolling), a
// slider's ticks (TickStyle, TickFrequency) and steps (SmallChange, LargeChange), with the
// controls' own defaults. Shown alike in the tool's pictures, a live form and an exported .ui.
#include <optional>
#include <string_view>

#include "engine/HostObject.h"

namespace kv::host {

class RangeLook {
  public:
    enum class Kind { Progress, Slider };
    enum Ticks { BottomRight = 0, TopLeft = 1, Both = 2, NoTicks = 3 };

    Kind kind = Kind::Progress;
    double min = 0, max = 100, value = 0;
    bool upright = false;  // Orientation 1
    bool smooth = false;   // a progress bar's Scrolling 1: one bar, not blocks
    int ticks = BottomRight;
    double tick_frequency = 1, small_change = 1, large_change = 5;

    // Is a control of this class a progress bar or a slider (by class name)?
    static std::optional<Kind> kind_of(std::string_view class_name);
    // The look of such a control; nullopt for another.
    static std::optional<RangeLook> read(HostObject& control, std::string_view class_name);

    // Qt's name of a slider's tick position for a TickStyle ("QSlider::TicksBelow"), for a .ui.
    static const char* qt_tick_position(int tick_style);
    // The TickStyle for Qt's name of a tick position (below for one it does not know).
    static int tick_style(std::string_view qt_tick_position);

    // Where the value stands from min to max, 0 to 1 (0 for an empty range; Min may be above
    // Max, the control then runs the other way).
    double share() const;
};

}  // namespace kv::host
