#pragma once
// Scale-mode arithmetic: how many twips one unit of a scale mode is.
//   twips 1, points 20, pixels = the host's twips per pixel, characters 120 (x) / 240 (y),
//   inches 1440, millimetres 1440/25.4, centimetres 1440/2.54, himetric (8) 1440/2540.
// The user scale (0) has no fixed size: its caller passes the container's own factor.
#include <optional>

namespace kv::host {

inline constexpr int kScaleHimetric = 8;

// Twips per unit of `mode` on one axis; nullopt for the user scale or an unknown mode.
// `twips_per_pixel` is the host's value for that axis.
std::optional<double> twips_per_unit(int mode, bool x_axis, double twips_per_pixel);

}  // namespace kv::host
