#pragma once
// How the runtime's drawn controls look: a Shape (its kind, its back, its fill pattern and its
// border) and a Line (its colour, width and dashes). Drawn alike in the tool's pictures and in a
// live form; the caller turns the colours as stored into the screen's.
#include <QColor>
#include <functional>
#include <optional>

class QPainter;
class QPointF;
class QRectF;

namespace kv::host {

// The properties as the control holds them (empty: the runtime's default).
struct ShapeProps {
    std::optional<double> shape, back_style, back_color, fill_style, fill_color, border_style,
        border_color, border_width;
    bool operator==(const ShapeProps&) const = default;
};

// A colour as stored (&H00BBGGRR, or a system colour &H800000nn) as the screen shows it; the
// fallback when none is stored.
using ColourOf = std::function<QColor(std::optional<double> stored, const QColor& fallback)>;

// Only what the shape's styles ask for: a transparent shape (the default) is an outline.
void draw_shape(QPainter& p, QRectF r, const ShapeProps& s, const ColourOf& colour);
// A line from `a` to `b`; BorderStyle 0 draws nothing.
void draw_line(QPainter& p, const QPointF& a, const QPointF& b, const ShapeProps& s,
               const ColourOf& colour);

}  // namespace kv::host
