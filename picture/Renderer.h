#pragma once
// Pictures of a form: a title bar, the form's menu bar when it has one, then its client area
// with each control drawn by kind at its laid-out geometry.
#include <optional>
#include <string>
#include <vector>

#include "picture/Snapshot.h"

namespace kv::app {

// The image format the file name's extension names ("png", "jpg", ...), when Qt can write it.
std::optional<std::string> image_format(const std::string& path);
// Every format Qt can write here, by extension.
std::vector<std::string> image_formats();

// The largest side of a picture in pixels (a 16384 x 16384 picture takes 1 GiB).
inline constexpr int kMaxPictureSide = 16384;

// Writes a picture of the snapshot in the format its extension names; false with `error` set
// when the picture cannot be written. `twips_per_pixel`: the host's screen scale.
bool render_picture(const Snapshot& s, double twips_per_pixel, const std::string& path,
                    std::string& error, const std::string& title = "");

}  // namespace kv::app
