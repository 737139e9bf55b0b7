#pragma once
// The bars of the common controls as they look, drawn alike in the tool's pictures and in a
// live form: a status bar's panels (StatusBarLook.h) and a toolbar's buttons (ToolBarLook.h).
#include <QColor>
#include <QImage>
#include <vector>

#include "host/common/StatusBarLook.h"
#include "host/common/ToolBarLook.h"

class QPainter;
class QRectF;

namespace kv::host {

struct BarColours {
    QColor face, light, shadow, text, grey;
};

// The bar over `r` in the painter's font.
void draw_status_bar(QPainter& p, const QRectF& r, const StatusBarLook& bar, double twips_per_pixel,
                     const BarColours& c);

// Each button's picture at the list's image size, the list's mask colour clear; a null image
// for a button without one. Decoded once by whoever draws the bar again and again.
std::vector<QImage> tool_bar_images(const ToolBarLook& bar);
// The bar over `r` in the painter's font, `images` as tool_bar_images() gave them.
void draw_tool_bar(QPainter& p, const QRectF& r, const ToolBarLook& bar, double twips_per_pixel,
                   const std::vector<QImage>& images, const BarColours& c);

}  // namespace kv::host
