#pragma once
// The anchoring pictures the controls page shows on its graphical option buttons and on the
// shadows ("anchor0" ... "anchor10"): a window with the control inside it, kept at a corner or
// border, stretched, or split in panes. Drawn alike in the tool's pictures and in the Qt dialog.
#include <optional>
#include <string>

class QPainter;
class QRectF;

namespace kv::host {

// The choice a picture name shows, nullopt for any other picture.
std::optional<int> anchor_choice(const std::string& picture);

// Draw the picture of `choice` centred in `area` (at most 30 pixels a side).
void draw_anchor(QPainter& p, const QRectF& area, int choice);

}  // namespace kv::host
