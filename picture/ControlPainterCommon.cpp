// The common controls as they draw themselves before a program fills them: a progress bar's
// blocks (or smooth fill) from its start as far as its value, a slider's channel, its thumb
// where the value stands and its ticks on the sides TickStyle names; a list view's or tree
// view's white box, a report view's column headers along its top; a data grid's caption and
// column headers before its records come; a flex grid's cells, its fixed ones raised; an
// up-down control's two arrow buttons.
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "picture/ControlPainter.h"

namespace kv::app {

namespace {

const QColor kBlocks(6, 176, 37), kTicks(64, 64, 64);
// A flex grid's lines between its cells (its GridColor, light grey), and the fixed cells' edges.
const QColor kGridLine(192, 192, 192), kFixedLight(255, 255, 255), kFixedShadow(128, 128, 128);

}  // namespace

void ControlPainter::draw_range(const ControlState& c, const QRectF& r) {
    const host::RangeLook& look = *c.range;
    const double share = look.share();
    if (look.kind == host::RangeLook::Kind::Progress) {
        sunken(r, QColor(230, 230, 230));
        // It fills along its length: across from the left, upright from the bottom.
        const QRectF in = r.adjusted(2, 2, -2, -2);
        const double length = (look.upright ? in.height() : in.width()) * share;
        if (length <= 0) return;
        if (look.smooth) {
            p_.fillRect(look.upright ? QRectF(in.left(), in.bottom() - length, in.width(), length)
                                     : QRectF(in.left(), in.top(), length, in.height()),
                        kBlocks);
            return;
        }
        // Blocks two thirds as long as the bar is thick, two pixels apart.
        const double thick = look.upright ? in.width() : in.height();
        const double block = std::max(2.0, std::floor(thick * 2 / 3)), step = block + 2;
        for (double at = 0; at < length; at += step) {
            const double size = std::min(block, length - at);
            p_.fillRect(look.upright ? QRectF(in.left(), in.bottom() - at - size, in.width(), size)
                                     : QRectF(in.left() + at, in.top(), size, in.height()),
                        kBlocks);
        }
        return;
    }
    // The slider: a sunken channel along its middle, the thumb over it; Min at the left or top.
    constexpr double kThumbWidth = 11, kChannelThick = 4, kTick = 3;
    const bool across = !look.upright;
    const double length = across ? r.width() : r.height();
    const double room = std::max(0.0, length - kThumbWidth);
    const double thumb_at = room * share;
    const double thick = across ? r.height() : r.width();
    const double thumb_thick = std::min(thick, 21.0);
    const double middle = across ? r.center().y() : r.center().x();
    const QRectF channel =
        across ? QRectF(r.left() + kThumbWidth / 2, middle - kChannelThick / 2, room, kChannelThick)
               : QRectF(middle - kChannelThick / 2, r.top() + kThumbWidth / 2, kChannelThick, room);
    sunken(channel, QColor(230, 230, 230));
    // Ticks every TickFrequency from Min to Max, and at both ends.
    const double span = std::abs(look.max - look.min);
    if (look.ticks != host::RangeLook::NoTicks && span > 0) {
        const double every = look.tick_frequency > 0 ? look.tick_frequency : span;
        const int count = static_cast<int>(std::min(span / every, room / 2));
        p_.setPen(kTicks);
        for (int i = 0; i <= count + 1; ++i) {
            const double along = std::min(1.0, i * every / span) * room + kThumbWidth / 2;
            for (int side : {-1, 1}) {
                if (look.ticks == host::RangeLook::BottomRight && side < 0) continue;
                if (look.ticks == host::RangeLook::TopLeft && side > 0) continue;
                const double from = middle + side * (thumb_thick / 2 + 1);
                const QPointF a =
                    across ? QPointF(r.left() + along, from) : QPointF(from, r.top() + along);
                const QPointF b =
                    across ? a + QPointF(0, side * kTick) : a + QPointF(side * kTick, 0);
                p_.drawLine(a, b);
            }
        }
    }
    raised(across ? QRectF(r.left() + thumb_at, middle - thumb_thick / 2, kThumbWidth, thumb_thick)
                  : QRectF(middle - thumb_thick / 2, r.top() + thumb_at, thumb_thick, kThumbWidth));
}

void ControlPainter::draw_list_view(const ControlState& c, const QRectF& r) {
    const host::ListViewLook& look = *c.list_view;
    sunken(r, color_of(c.back_color, QColor(255, 255, 255)));
    if (!look.report()) return;
    // The header row: a raised button per column at its width, then the rest of the row.
    const QRectF in = r.adjusted(2, 2, -2, -2);
    const double height = std::ceil(p_.fontMetrics().height()) + 6;
    double left = in.left();
    p_.save();
    p_.setClipRect(in);
    static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    for (const host::ListColumn& col : look.columns) {
        const double width = std::round(col.width_twips / tpp_);
        if (width <= 0) continue;
        const QRectF head(left, in.top(), width, height);
        raised(head);
        text(head.adjusted(6, 0, -6, 0), col.text, kAlign[col.alignment] | Qt::AlignVCenter, false);
        left += width;
    }
    if (left < in.right()) raised(QRectF(left, in.top(), in.right() - left, height));
    p_.restore();
}

void ControlPainter::draw_data_grid(const ControlState& c, const QRectF& r) {
    const host::DataGridLook& look = *c.data_grid;
    sunken(r, QColor(255, 255, 255));
    const QRectF in = r.adjusted(2, 2, -2, -2);
    p_.save();
    p_.setClipRect(in);
    const double line = std::ceil(p_.fontMetrics().height());
    double top = in.top();
    if (!look.caption.empty()) {
        const QRectF bar(in.left(), top, in.width(), line + 6);
        raised(bar);
        text(bar, look.caption, Qt::AlignCenter, false);
        top += bar.height();
    }
    // The headers: the record selectors' corner, then each column's caption at its width.
    const double height = look.head_lines * line + 4;
    double left = in.left();
    if (look.record_selectors) {
        raised(QRectF(left, top, host::kRecordSelectorWidth, height));
        left += host::kRecordSelectorWidth;
    }
    static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter,
                                               Qt::AlignLeft};
    for (const host::GridColumn& col : look.columns) {
        const double width = std::round(col.width_twips / tpp_);
        if (!col.visible || width <= 0) continue;
        const QRectF head(left, top, width, height);
        raised(head);
        text(head.adjusted(3, 0, -3, 0), col.caption,
             kAlign[col.alignment] | Qt::AlignVCenter | Qt::TextWordWrap, false);
        left += width;
    }
    p_.restore();
}

void ControlPainter::draw_up_down(const ControlState& c, const QRectF& r) {
    const bool across = c.up_down->across;
    const QRectF first = across ? QRectF(r.left(), r.top(), r.width() / 2, r.height())
                                : QRectF(r.left(), r.top(), r.width(), r.height() / 2);
    const QRectF second =
        across ? first.translated(first.width(), 0) : first.translated(0, first.height());
    p_.setBrush(Qt::NoBrush);
    for (const QRectF& b : {first, second}) raised(b);
    // Up and down, or left and right: each arrow points away from the other button.
    p_.setPen(Qt::NoPen);
    p_.setBrush(c.enabled ? QColor(64, 64, 64) : QColor(160, 160, 160));
    for (const auto& [b, way] : {std::pair(first, -1.0), std::pair(second, 1.0)}) {
        const QPointF m = b.center();
        const double a = std::max(1.5, std::min(b.width(), b.height()) / 5);
        p_.drawPolygon(across
                           ? QPolygonF({m + QPointF(way * a / 2, 0), m + QPointF(-way * a / 2, -a),
                                        m + QPointF(-way * a / 2, a)})
                           : QPolygonF({m + QPointF(0, way * a / 2), m + QPointF(-a, -way * a / 2),
                                        m + QPointF(a, -way * a / 2)}));
    }
    p_.setBrush(Qt::NoBrush);
}

void ControlPainter::draw_flex_grid(const ControlState& c, const QRectF& r) {
    const host::FlexGridLook& look = *c.flex_grid;
    sunken(r, color_of(look.beyond_color, kFixedShadow));
    const QRectF in = r.adjusted(1, 1, -1, -1);
    const QFontMetricsF metrics(p_.font());
    const double height = host::FlexGridLook::row_pixels(std::ceil(metrics.height()));
    std::vector<double> widths;
    double total_width = 0;
    for (int col = 0; col < look.cols; ++col) {
        widths.push_back(look.column_pixels(col, tpp_, [&](const std::string& s) {
            return metrics.horizontalAdvance(QString::fromStdString(s));
        }));
        total_width += widths.back();
    }
    // A scroll bar only where the cells do not fit, as the grid shows one; one bar's room can
    // make the other needed.
    const double side = kScrollBarTwips / tpp_, total_height = look.rows * height;
    const bool may_across = look.scroll_bars & 1, may_down = look.scroll_bars & 2;
    bool down = may_down && total_height > in.height();
    const bool across = may_across && total_width > in.width() - (down ? side : 0);
    down = may_down && total_height > in.height() - (across ? side : 0);
    const QRectF cells = in.adjusted(0, 0, down ? -side : 0, across ? -side : 0);
    if (down) scroll_bar(false, QRectF(cells.right(), in.top(), side, cells.height()), 0.0);
    if (across) scroll_bar(true, QRectF(in.left(), cells.bottom(), cells.width(), side), 0.0);
    if (down && across) p_.fillRect(QRectF(cells.right(), cells.bottom(), side, side), kFormFace);
    p_.save();
    p_.setClipRect(cells);
    const QColor back = color_of(look.back_color, kFixedLight);
    const QColor fixed = color_of(look.fixed_color, kFormFace);
    static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignLeft, Qt::AlignHCenter,
                                               Qt::AlignRight};
    // Only the rows and columns that show.
    double top = cells.top();
    for (int row = 0; row < look.rows && top < cells.bottom(); ++row, top += height) {
        double left = cells.left();
        for (int col = 0; col < look.cols && left < cells.right(); left += widths[col++]) {
            const QRectF cell(left, top, widths[col], height);
            const QPointF a = cell.topLeft(), b = cell.bottomRight() - QPointF(1, 1);
            if (!look.fixed(row, col)) {
                p_.fillRect(cell, back);
                if (look.grid_lines == 0) continue;
                p_.setPen(kGridLine);
                p_.drawLine(QPointF(b.x(), a.y()), b);
                p_.drawLine(QPointF(a.x(), b.y()), b);
                continue;
            }
            // A fixed cell stands out: light above and left, shadowed below and right.
            p_.fillRect(cell, fixed);
            p_.setPen(kFixedLight);
            p_.drawLine(a, QPointF(b.x(), a.y()));
            p_.drawLine(a, QPointF(a.x(), b.y()));
            p_.setPen(kFixedShadow);
            p_.drawLine(QPointF(b.x(), a.y()), b);
            p_.drawLine(QPointF(a.x(), b.y()), b);
            const host::FlexHead head = look.cell(row, col);
            if (!head.text.empty())
                text(cell.adjusted(host::kFlexTextInset, 0, -host::kFlexTextInset, 0), head.text,
                     kAlign[head.align] | Qt::AlignVCenter, false);
        }
    }
    p_.restore();
}

}  // namespace kv::app
