#include "host/common/DataBar.h"

#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <algorithm>

namespace kv::host {

namespace {

// One button: an arrow pointing `way` (-1 left, 1 right), with a stop beyond its point for the
// first and the last record.
void button(QPainter& p, const QRectF& b, int way, bool stop, const DataBarColours& c) {
    p.setPen(c.edge);
    p.setBrush(c.face);
    p.drawRect(b.adjusted(0, 0, -1, -1));
    const double a = std::max(1.5, std::min(b.width(), b.height()) / 5);
    const QPointF m = b.center() + QPointF(stop ? -way * a / 2 : 0, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(c.arrow);
    p.drawPolygon(QPolygonF({m + QPointF(way * a, 0), m + QPointF(-way * a, -a * 1.2),
                             m + QPointF(-way * a, a * 1.2)}));
    if (stop) p.drawRect(QRectF(m.x() + way * a + (way > 0 ? 0 : -2), m.y() - a * 1.2, 2, a * 2.4));
    p.setBrush(Qt::NoBrush);
}

}  // namespace

void draw_data_bar(QPainter& p, const QRectF& r, const QString& caption, const DataBarColours& c) {
    p.save();
    p.setClipRect(r);
    p.fillRect(r, c.face);
    p.setPen(c.edge);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    // Square buttons as tall as the bar, narrower when the bar is too short for four.
    const double side = std::max(0.0, std::min(r.height(), r.width() / 5));
    const double top = r.top(), h = r.height();
    button(p, QRectF(r.left(), top, side, h), -1, true, c);
    button(p, QRectF(r.left() + side, top, side, h), -1, false, c);
    button(p, QRectF(r.right() - 2 * side, top, side, h), 1, false, c);
    button(p, QRectF(r.right() - side, top, side, h), 1, true, c);
    p.setPen(c.text);
    p.drawText(r.adjusted(2 * side + 4, 0, -2 * side - 4, 0),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
    p.restore();
}

}  // namespace kv::host
