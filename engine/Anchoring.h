#pragma once
// The anchoring arithmetic of one control: plain data in, plain data out, no host.
//
// Inputs
//   AnchorRecord   what the control sizer captured: the control's rectangle ths_l, ths_t, ths_w,
//                  ths_h and its container's inner size par_w, par_h (container scale units; on
//                  the form, relative to the area its aligned bars leave), the modes of the four
//                  edges and of the font, and the font with its reciprocal sizes at registration.
//   W, H           the container's inner size now, in the same units.
//   FormRoom       for a control directly on the form: the room its aligned bars take at each
//                  edge and an MDI child's scale-height correction; all 0 elsewhere.
//   cur_w, cur_h   the control's size now, kept along an axis with a floating edge.
// Outputs
//   SizerGeometry  the control's new rectangle in the container's units.
//   an argument count for the one Move, a font size, the axes a control cannot resize along.
//
// Steps of one axis (near edge: left or top; far edge: right or bottom):
//   1. d := container size now - container size at capture.
//   2. Growth of each margin by its edge mode: KEEP 0; ABSOLUTE d; RELATIVE d x margin / container
//      size at capture (0 when that size was 0); any other mode 0.
//   3. Size change := d - near growth - far growth.
//   4. Size: kept (the current size) when either edge floats, else captured size + size change.
//   5. Position: both edges float: the centre moves in proportion; the near edge floats: it follows
//      the far edge (captured position + size change); else captured position + near growth.
// Everything is computed from the capture, never from the last result, so a layout comes back
// exactly when the container does. Nothing is rounded.
#include <cstdint>
#include <optional>

#include "engine/Modes.h"

namespace kv {

// --- inputs ---

struct AnchorRecord {
    double par_w = 0, par_h = 0;                        // container inner size at capture
    double ths_l = 0, ths_t = 0, ths_w = 0, ths_h = 0;  // the control at capture
    int32_t mtL = KV_KEEP, mtT = KV_KEEP, mtR = KV_KEEP, mtB = KV_KEEP, mtF = KV_KEEP;
    double ths_fs = -1;             // font size at registration, -1: none
    double ths_ow = 1, ths_oh = 1;  // 1 / width, 1 / height at registration
};

// What the form itself takes from its controls' area: the room of the bars aligned to its edges,
// and an MDI child's scale-height difference (added to the height).
struct FormRoom {
    double left = 0, top = 0, bottom = 0, right = 0;
    double mdi_height_diff = 0;
};

// --- results ---

// A control's rectangle in its container's scale units.
struct SizerGeometry {
    double left, top, width, height;
    bool operator==(const SizerGeometry&) const = default;
};

// --- the arithmetic ---

// Growth of one margin for a container change `d`, by the edge's mode.
double margin_growth(int32_t mode, double d, double margin, double captured_size);

// The new rectangle for a container whose inner area is now W x H (the area par_w/par_h were
// captured over); relative to that area and unclamped.
SizerGeometry anchor(const AnchorRecord& r, double W, double H, double cur_w, double cur_h);

// The same in a container of inner size W x H of which `room` is the form's: the area shrinks by
// the room and the result is placed past its left and top. A size below 0 becomes 1 unless
// `is_line` (a line keeps its direction).
SizerGeometry anchor_in(const AnchorRecord& r, double W, double H, const FormRoom& room,
                        double cur_w, double cur_h, bool is_line);

// How many leading values of Move(left, top, width, height) carry the change from `was` to `now`:
// up to the last that differs, compared exactly (0: no Move).
int move_arg_count(const SizerGeometry& now, const SizerGeometry& was);

// Does the font follow the control's size? (a font mode other than KEEP and a font captured)
bool font_follows(const AnchorRecord& r);

// The font size for a control now `width` x `height`: the registered size times the smaller of
// the two size ratios against registration. Nothing (the font stays) when that is not a size a
// font can have: a control squeezed to nothing keeps its font until it has room again.
std::optional<double> scaled_font_size(const AnchorRecord& r, double width, double height);

// The axes along which the control's size cannot change by its own edge modes: 1 width (KEEP
// with ABSOLUTE, or a floating edge), 2 height, 3 both, 0 none.
int32_t fixed_axes(const AnchorRecord& r);

// The fixed-axis mark of a control whose own fixed axes are `own` inside a container marked
// `parent_mark`: a child inherits the axes its container fixes.
int32_t fixed_axes_under(int32_t own, int32_t parent_mark);

}  // namespace kv
