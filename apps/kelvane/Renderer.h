#pragma once
// Pictures of a form: its client area with each control drawn by kind at its laid-out
// geometry. The only part of the tool that uses Qt.
#include <string>

#include "apps/kelvane/Snapshot.h"

namespace kv::app {

// Writes a PNG of the snapshot; false with `error` set when the picture cannot be written.
// `twips_per_pixel`: the host's screen scale.
bool render_png(const Snapshot& s, double twips_per_pixel, const std::string& path,
                std::string& error, const std::string& title = "");

}  // namespace kv::app
