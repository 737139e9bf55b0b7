// A tab control's picture: rows of tabs on the side of a raised page that TabOrientation names,
// the tab on view joined to the page; or a strip's push buttons, without a page.
#include <QFont>
#include <QFontMetricsF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

#include "picture/ControlPainter.h"

namespace kv::app {

namespace {

const QColor kPage(240, 240, 240), kTab(228, 228, 228), kLight(255, 255, 255), kEdge(160, 160, 160),
    kDarkEdge(64, 64, 64);

}  // namespace

QRectF ControlPainter::tab_rect(const host::TabSet& tabs, int i, const QRectF& r, double row_height,
                                const std::vector<double>& widths) {
    const int per_row = std::max(1, tabs.per_row);
    const int row = i / per_row, first = row * per_row;
    const double y = r.top() + row * row_height;
    if (tabs.style == 0) {
        // Every tab of a row as wide as the others, the row as wide as the control.
        const double w = r.width() / per_row;
        return QRectF(r.left() + (i - first) * w, y, w, row_height);
    }
    // As wide as their captions, from the left.
    double x = r.left();
    for (int k = first; k < i; ++k) x += widths[k];
    return QRectF(x, y, widths[i], row_height);
}

// Where each tab stands along the top edge of `r` (rows from the outer edge in), and how many
// rows they take. A strip of several rows wraps its tabs in order and turns the rows so that
// the row of the tab on view runs along the page.
std::vector<QRectF> ControlPainter::tab_places(const host::TabSet& tabs, const QRectF& r,
                                               double row_height, const std::vector<double>& widths,
                                               int& rows) {
    std::vector<QRectF> places;
    const int n = tabs.count();
    if (tabs.kind != host::TabSet::Kind::Strip || !tabs.multi_row ||
        static_cast<int>(widths.size()) != n) {
        for (int i = 0; i < n; ++i) places.push_back(tab_rect(tabs, i, r, row_height, widths));
        rows = tabs.rows();
        return places;
    }
    std::vector<std::vector<int>> lines(1);
    double x = 0;
    for (int i = 0; i < n; ++i) {
        if (!lines.back().empty() && x + widths[i] > r.width()) {
            lines.emplace_back();
            x = 0;
        }
        lines.back().push_back(i);
        x += widths[i];
    }
    rows = static_cast<int>(lines.size());
    int on_view = 0;
    for (int k = 0; k < rows; ++k)
        for (int i : lines[k])
            if (i == tabs.current) on_view = k;
    places.resize(n);
    for (int k = 0; k < rows; ++k) {
        const int from_outside = (k - on_view - 1 + 2 * rows) % rows;  // the row on view last
        double used = 0;
        for (int i : lines[k]) used += widths[i];
        const double stretch = tabs.justified && rows > 1 && used > 0 ? r.width() / used : 1;
        double at = r.left();
        for (int i : lines[k]) {
            const double w = widths[i] * stretch;
            places[i] = QRectF(at, r.top() + from_outside * row_height, w, row_height);
            at += w;
        }
    }
    return places;
}

// A strip of buttons: each tab a push button (a flat one shows its edge only while on view), the
// one on view pressed, a few pixels apart.
void ControlPainter::tab_button(const QRectF& face, bool on, bool flat) {
    if (flat && !on) return;
    // Raised: light above and left, dark below and right; pressed the other way round.
    const QColor near_edges = on ? kDarkEdge : kLight, far_edges = on ? kLight : kDarkEdge;
    p_.fillRect(face, on ? QColor(236, 236, 236) : kTab);
    p_.setPen(near_edges);
    p_.drawLine(face.topLeft(), face.topRight() - QPointF(1, 0));
    p_.drawLine(face.topLeft(), face.bottomLeft() - QPointF(0, 1));
    p_.setPen(far_edges);
    p_.drawLine(face.bottomLeft() - QPointF(0, 1), face.bottomRight() - QPointF(1, 1));
    p_.drawLine(face.topRight() - QPointF(1, 0), face.bottomRight() - QPointF(1, 1));
}

void ControlPainter::draw_tabs(const ControlState& c, const QRectF& r) {
    const host::TabSet& tabs = *c.tabs;
    const int side = tabs.orientation;  // 0 top, 1 bottom, 2 left, 3 right
    const double row_height = std::max(8.0, tabs.tab_height_twips / tpp_);
    QFont f("DejaVu Sans");
    f.setPixelSize(std::max(1, static_cast<int>(c.font_size.value_or(8.25) * 20 / tpp_ + 0.5)));
    p_.setFont(f);
    // The tabs are laid out as along the top edge, in a frame turned to their side: x along the
    // edge (down it on the left and right), y from the outer edge in towards the page.
    const bool upright = side >= 2;
    const QRectF along(0, 0, upright ? r.height() : r.width(), r.height());
    const QTransform to_side = side == 1   ? QTransform(1, 0, 0, -1, r.left(), r.bottom() - 1)
                               : side == 2 ? QTransform(0, 1, 1, 0, r.left(), r.top())
                               : side == 3 ? QTransform(0, 1, -1, 0, r.right() - 1, r.top())
                                           : QTransform(1, 0, 0, 1, r.left(), r.top());
    const QTransform base = p_.transform();
    auto image_on = [&](int i) {
        return i < static_cast<int>(c.tab_images.size()) ? image_of(c.tab_images[i].get())
                                                         : QImage();
    };
    // Tabs as wide as their captions make room for the caption in bold (any tab may be the one
    // on view) and for the tab's picture beside it, as drawn below.
    std::vector<double> widths;
    if (tabs.fixed_width_twips > 0) {
        widths.assign(tabs.count(), std::max(1.0, std::round(tabs.fixed_width_twips / tpp_)));
    } else if (tabs.style != 0) {
        QFont bold = f;
        bold.setBold(true);
        const QFontMetricsF m(bold);
        for (int i = 0; i < tabs.count(); ++i) {
            double w = m.horizontalAdvance(QString::fromStdString(tabs.captions[i])) + 16;
            const QImage image = image_on(i);
            if (!image.isNull()) w += std::min<double>(image.height(), row_height - 2) + 4;
            widths.push_back(std::ceil(w));
        }
    }
    int rows = 1;
    const std::vector<QRectF> places = tab_places(tabs, along, row_height, widths, rows);
    const bool buttons = tabs.buttons != 0;
    if (!buttons) {
        const double band = rows * row_height;
        const QRectF page = side == 1   ? r.adjusted(0, 0, 0, -band)
                            : side == 2 ? r.adjusted(band, 0, 0, 0)
                            : side == 3 ? r.adjusted(0, 0, -band, 0)
                                        : r.adjusted(0, band, 0, 0);
        p_.fillRect(page, kPage);
        p_.setPen(kEdge);
        p_.drawRect(page.adjusted(0, 0, -1, -1));
        p_.setPen(kLight);
        p_.drawLine(page.topLeft() + QPointF(1, 1), page.bottomLeft() + QPointF(1, -2));
        p_.setPen(kDarkEdge);
        p_.drawLine(page.bottomLeft() + QPointF(1, -1), page.bottomRight() - QPointF(1, 1));
        p_.drawLine(page.topRight() + QPointF(-1, 1), page.bottomRight() - QPointF(1, 1));
    }
    p_.save();
    p_.setClipRect(r, Qt::IntersectClip);
    for (int i = 0; i < tabs.count(); ++i) {
        const bool on = i == tabs.current;
        QRectF t = places[i];
        if (buttons) {
            t.adjust(1, 2, -2, -1);  // apart from the next button and the next row
            p_.setTransform(base);
            tab_button(to_side.mapRect(t), on, tabs.buttons == 2);
        } else {
            // The tab on view stands a little further out and runs into its page, over its edge.
            t.adjust(on ? 0 : 1, on ? 0 : 2, on ? 0 : -1, on ? 1 : 0);
            p_.setTransform(to_side * base);
            p_.fillRect(t, on ? kPage : kTab);
            p_.setPen(kEdge);
            p_.drawLine(t.bottomLeft(), t.topLeft());
            p_.drawLine(t.topLeft(), t.topRight() - QPointF(1, 0));
            p_.drawLine(t.topRight() - QPointF(1, 0), t.bottomRight() - QPointF(1, 0));
            p_.setPen(kLight);
            p_.drawLine(t.bottomLeft() + QPointF(1, 0), t.topLeft() + QPointF(1, 1));
            p_.drawLine(t.topLeft() + QPointF(1, 1), t.topRight() - QPointF(2, -1));
        }
        // The caption reads across on the top and bottom, up the left side and down the right.
        const QRectF place = to_side.mapRect(t.adjusted(1, 1, -1, 0));
        p_.setTransform(base);
        p_.translate(place.center());
        if (upright) p_.rotate(side == 2 ? -90 : 90);
        const QSizeF size = upright ? place.size().transposed() : place.size();
        f.setBold(on);
        p_.setFont(f);
        QRectF room(QPointF(-size.width() / 2 + 3, -size.height() / 2), size - QSizeF(6, 0));
        const QImage image = image_on(i);
        const QString caption = QString::fromStdString(tabs.captions[i]);
        if (!image.isNull()) {
            const double edge = std::min<double>(image.height(), room.height() - 2);
            const double used = edge + 4 + p_.fontMetrics().horizontalAdvance(caption);
            const double x = room.left() + std::max(0.0, (room.width() - used) / 2);
            p_.drawImage(QRectF(x, room.center().y() - edge / 2, edge, edge), image);
            room.setLeft(x + edge + 4);
            text(room, tabs.captions[i], Qt::AlignLeft | Qt::AlignVCenter);
        } else {
            text(room, tabs.captions[i], Qt::AlignCenter);
        }
    }
    p_.restore();
}

}  // namespace kv::app
