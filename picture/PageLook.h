#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <optional>
#include <string>

#include "host/common/AnchorPicture.h"

namespace kv::app {

// How the controls of a property page look beyond what a form's controls show: the page's own
// colours, and the anchoring pictures of its graphical option buttons.

// A colour value of the host (red + green * 256 + blue * 65536); empty for system colours (high
// bit), which are left to the default look.
std::optional<QColor> own_colour(const std::optional<double>& v);

// The anchoring pictures, drawn alike by the Qt dialog.
using host::anchor_choice;
using host::draw_anchor;

}  // namespace kv::app
