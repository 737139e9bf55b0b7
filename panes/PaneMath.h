#pragma once
// The pure arithmetic of a split pane: how controls compare along one axis, the mode exchange
// of the far side, and the legal split for a wanted divider position. No host in here.
#include <cstdint>

namespace kv {

// KV_KEEP <-> KV_ABSOLUTE; KV_RELATIVE and KV_FLOAT stay; anything else becomes KV_KEEP.
int32_t ExchangeKeepAbsolute(int32_t mode);

// 1 when extent a lies wholly before b, -1 when wholly after, 0 when they touch or overlap.
int compare_extent(double a_start, double a_size, double b_start, double b_size);

// a and b share a fixed total: lift a to `min` at b's expense, then b at a's expense. Below
// twice the minimum, b keeps the minimum and a gets what is left.
void EnforceMinimum(double min, double& a, double& b);

// The first pane's share of `usable` for `ratio`, with both shares held to `min` as EnforceMinimum
// does.
double first_share(double usable, double ratio, double min);

// The first band's length for `ratio` of `usable`: first_share, held back so that the second
// band still keeps `min` after the `gap` between the bands (the usable length includes the gap).
double first_band(double usable, double ratio, double min, double gap);

// A split at `pos` (the first band's end) leaves both bands their minimum in an area starting at
// `area_start` with `usable` length (gap included).
inline bool split_inside(double pos, double area_start, double usable, double gap, double min) {
    return pos >= area_start + min && pos <= area_start + usable - gap - min;
}

// A control refused the size (or end) it was given when it took more than one unit off.
inline bool refused_size(double took, double wanted) {
    return took - wanted > 1 || wanted - took > 1;
}

// Share of the usable length for the first pane when the divider is wanted at `pos`: the
// position is first kept `min_size` inside both ends of the pane area, then turned into a
// ratio of `usable` and clamped to 0..1. `current` is answered when `usable` is 0.
double ratio_from_point(float pos, double area_start, double area_end_margin, double container_size,
                        double min_size, double usable, double current);

// The container's MousePointer for hover flags: 0 default, 9 west-east, 7 north-south, 8 both.
int32_t pointer_for_flags(int32_t flags);

}  // namespace kv
