#pragma once
// Scale-mode arithmetic: how many twips one unit of a scale mode is.
//   twips 1, points 20, pixels = the host's twips per pixel, characters 120 (x) / 240 (y),
//   inches 1440, millimetres 1440/25.4, centimetres 1440/2.54, himetric (8) 1440/2540.
// The user scale (0) has no fixed size: its caller passes the container's own factor.
#include <cmath>
#include <cstdint>
#include <optional>

namespace kv::host {

inline constexpr int kScaleHimetric = 8;

// Twips per unit of `mode` on one axis; nullopt for the user scale or an unknown mode.
// `twips_per_pixel` is the host's value for that axis.
std::optional<double> twips_per_unit(int mode, bool x_axis, double twips_per_pixel);

// A length in twips in whole pixels, rounded as std::lround rounds (halves away from zero) but
// without the library call: a sync places thousands of widgets.
inline int whole_pixels(double twips, double twips_per_pixel) {
    const double v = twips / twips_per_pixel;
    if (!(v > -2e9 && v < 2e9)) return static_cast<int>(std::lround(v));
    const double t = static_cast<double>(static_cast<int64_t>(v));  // toward zero
    const double f = v - t;                                         // exact
    return static_cast<int>(t) + (f >= 0.5 ? 1 : 0) - (f <= -0.5 ? 1 : 0);
}

}  // namespace kv::host
