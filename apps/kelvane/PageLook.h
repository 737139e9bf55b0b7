#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <optional>
#include <string>

namespace kv::app {

// How the controls of a property page look beyond what a form's controls show: the page's own
// colours, and the anchoring pictures of its graphical option buttons.

// A colour value of the host (red + green * 256 + blue * 65536); empty for system colours (high
// bit), which are left to the default look.
std::optional<QColor> own_colour(const std::optional<double>& v);

// Draws anchoring choice 0-10 into the area: a window with the control inside it, kept at a
// corner or border, stretched, or split in panes.
void draw_anchor(QPainter& p, const QRectF& area, int choice);

// The choice a picture name stands for ("anchor0" ... "anchor10"); empty for other names.
std::optional<int> anchor_choice(const std::string& picture);

}  // namespace kv::app
