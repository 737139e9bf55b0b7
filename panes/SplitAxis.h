#pragma once
// One direction of a split: the rows (along y, the horizontal divider) or the columns (along x,
// the vertical divider), with the properties that run along it.
#include "engine/HostObject.h"

namespace kv {

struct SplitAxis {
    bool rows;
    Prop pos, size;   // Top and Height, or Left and Width
    Prop end1, end2;  // a line's end points along the axis
    // Taken off the first band's end, besides what a refusing second-band control took too much.
    double second_back_off;
};
inline constexpr SplitAxis kRows{true, Prop::Top, Prop::Height, Prop::Y1, Prop::Y2, 1};
inline constexpr SplitAxis kColumns{false, Prop::Left, Prop::Width, Prop::X1, Prop::X2, 0};

}  // namespace kv
