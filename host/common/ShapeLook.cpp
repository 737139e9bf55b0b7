#include "host/common/ShapeLook.h"

#include <QPainter>
#include <QPen>
#include <QRectF>
#include <algorithm>

namespace kv::host {

namespace {

// BorderStyle 1 solid, 2 dashes, 3 dots, 4 dash-dot, 5 dash-dot-dot, 6 solid inside the edge.
QPen border_pen(const ShapeProps& s, const ColourOf& colour) {
    const int border = static_cast<int>(s.border_style.value_or(1));
    if (border == 0) return QPen(Qt::NoPen);
    static const Qt::PenStyle kLines[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                          Qt::DashDotLine, Qt::DashDotDotLine, Qt::SolidLine};
    return QPen(colour(s.border_color, Qt::black), std::max(1.0, s.border_width.value_or(1)),
                kLines[std::clamp(border, 1, 6) - 1]);
}

void outline(QPainter& p, int kind, const QRectF& r) {
    if (kind == 2 || kind == 3)
        p.drawEllipse(r);
    else if (kind == 4 || kind == 5)
        p.drawRoundedRect(r, std::min(r.width(), r.height()) / 6,
                          std::min(r.width(), r.height()) / 6);
    else
        p.drawRect(r);
}

}  // namespace

void draw_shape(QPainter& p, QRectF r, const ShapeProps& s, const ColourOf& colour) {
    const int kind = static_cast<int>(s.shape.value_or(0));
    if (kind == 1 || kind == 3 || kind == 5) {  // square, circle, rounded square
        const double side = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    const int fill = static_cast<int>(s.fill_style.value_or(1));
    QBrush back = Qt::NoBrush;
    if (s.back_style.value_or(0) == 1) back = QBrush(colour(s.back_color, Qt::white));
    QBrush pattern = Qt::NoBrush;
    if (fill != 1) {
        static const Qt::BrushStyle kStyles[] = {
            Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
            Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        pattern = QBrush(colour(s.fill_color, Qt::black), kStyles[std::clamp(fill, 0, 7)]);
    }
    const QRectF edge = r.adjusted(0, 0, -1, -1);
    for (const QBrush& b : {back, pattern}) {
        if (b.style() == Qt::NoBrush) continue;
        p.setPen(Qt::NoPen);
        p.setBrush(b);
        outline(p, kind, edge);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(border_pen(s, colour));
    outline(p, kind, edge);
}

void draw_line(QPainter& p, const QPointF& a, const QPointF& b, const ShapeProps& s,
               const ColourOf& colour) {
    const QPen pen = border_pen(s, colour);
    if (pen.style() == Qt::NoPen) return;
    p.setPen(pen);
    p.drawLine(a, b);
}

}  // namespace kv::host
