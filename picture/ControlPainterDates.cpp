// The date controls before a program touches them: a date picker's box with its date in its
// format, a drop-down button (or up-down arrows) and its check box; a month calendar's months,
// each under a title band with the arrows that turn them, the days of the week from its first
// one, the month's days with the chosen one marked and the neighbouring months' in their own
// colour, week numbers where asked, and today's line below.
#include <algorithm>
#include <cmath>

#include "host/common/DateSerial.h"
#include "picture/ControlPainter.h"

namespace kv::app {

namespace {

const QColor kWindow(255, 255, 255), kText(0, 0, 0), kDark(64, 64, 64), kGrey(109, 109, 109),
    kHighlight(0, 120, 215), kToday(192, 0, 0);

// A colour of the calendar's own, or `fallback` for none or the system's active title (whose
// light blue would leave the white title text unreadable here).
QColor calendar_colour(std::optional<double> value, const QColor& fallback) {
    if (value && static_cast<uint32_t>(static_cast<int64_t>(*value)) == 0x80000002u)
        return fallback;
    return color_of(value, fallback);
}

void arrow(QPainter& p, const QRectF& box, bool left, const QColor& colour) {
    const QPointF m = box.center();
    const double a = std::min(box.width(), box.height()) / 4;
    const double way = left ? -1 : 1;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF(
        {m + QPointF(way * a, 0), m + QPointF(-way * a / 2, -a), m + QPointF(-way * a / 2, a)}));
    p.setBrush(Qt::NoBrush);
}

}  // namespace

void ControlPainter::draw_date_picker(const ControlState& c, const QRectF& r) {
    const host::DateLook& look = *c.date;
    double right = 16;
    if (look.up_down) {
        sunken(r, kWindow);
        right = spin_buttons(r);
    } else {
        drop_down(r, "", kWindow);
    }
    double left = 4;
    if (look.check_box) {
        // Ticked: a picker saved with a date has its box on.
        const double d = std::clamp(r.height() - 6, 1.0, 13.0);
        const QRectF box(r.left() + 4, r.center().y() - d / 2, d, d);
        p_.setPen(kDark);
        p_.setBrush(kWindow);
        p_.drawRect(box);
        p_.setBrush(Qt::NoBrush);
        p_.setPen(QPen(kText, 1.5));
        p_.drawPolyline(QPolygonF({box.topLeft() + QPointF(d * 0.22, d * 0.5),
                                   box.topLeft() + QPointF(d * 0.42, d * 0.72),
                                   box.topLeft() + QPointF(d * 0.78, d * 0.28)}));
        left += d + 4;
    }
    text(r.adjusted(left, 0, -right - 2, 0), look.shown(), Qt::AlignLeft | Qt::AlignVCenter, false);
}

void ControlPainter::draw_month_view(const ControlState& c, const QRectF& r) {
    const host::DateLook& look = *c.date;
    p_.fillRect(r, calendar_colour(look.month_back, kWindow));
    p_.setPen(c.appearance.value_or(1) == 1 ? QColor(160, 160, 160) : kDark);
    p_.drawRect(r.adjusted(0, 0, -1, -1));
    const QRectF in = r.adjusted(1, 1, -1, -1);
    p_.save();
    p_.setClipRect(in);
    const double line = std::ceil(p_.fontMetrics().height());
    const double today_height = look.show_today ? line + 6 : 0;
    const double cell_w = in.width() / look.month_columns;
    const double cell_h = (in.height() - today_height) / look.month_rows;
    const host::CivilDate chosen = host::civil_of(look.date);
    // Months too small to read are not drawn one by one (a file may ask for 144 in a small box).
    const int months = cell_w < 24 || cell_h < 24 ? 0 : look.month_columns * look.month_rows;
    for (int i = 0; i < months; ++i) {
        const int index = chosen.year * 12 + chosen.month - 1 + i;
        const QRectF cell(in.left() + (i % look.month_columns) * cell_w,
                          in.top() + (i / look.month_columns) * cell_h, cell_w, cell_h);
        draw_month(look, index / 12, index % 12 + 1, cell, i == 0, i == months - 1);
        // The arrows that turn the months: back on the first, on on the last of the top row.
        const QRectF title(cell.left() + 2, cell.top() + 2, cell.width() - 4, line + 8);
        const QColor fore = calendar_colour(look.title_fore, kWindow);
        if (i == 0)
            arrow(p_, QRectF(title.left(), title.top(), title.height(), title.height()), true,
                  fore);
        if (i == std::min(months, look.month_columns) - 1)
            arrow(
                p_,
                QRectF(title.right() - title.height(), title.top(), title.height(), title.height()),
                false, fore);
    }
    if (look.show_today) {
        // Today by the clock of the machine that draws it, as the control shows it.
        const QRectF row(in.left() + 6, in.bottom() - today_height + 2, in.width() - 12, line);
        p_.setPen(QPen(kToday, 1.5));
        p_.drawRect(QRectF(row.left(), row.top() + 2, line * 1.4, row.height() - 4));
        text(row.adjusted(line * 1.4 + 6, 0, 0, 0),
             "Today: " + host::format_date(host::serial_of(host::today()), "M/d/yyyy"),
             Qt::AlignLeft | Qt::AlignVCenter, false);
    }
    p_.restore();
}

void ControlPainter::draw_month(const host::DateLook& look, int year, int month, const QRectF& r,
                                bool first, bool last) {
    const double line = std::ceil(p_.fontMetrics().height());
    const QColor title_back = calendar_colour(look.title_back, kHighlight);
    const QRectF title(r.left() + 2, r.top() + 2, r.width() - 4, line + 8);
    p_.fillRect(title, title_back);
    const QColor saved = pen_;
    pen_ = calendar_colour(look.title_fore, kWindow);
    text(title, std::string(host::month_name(month)) + " " + std::to_string(year), Qt::AlignCenter,
         false);
    // The days of the week from its first, in the title's colour, a line below them.
    const double week_width = look.week_numbers ? p_.fontMetrics().horizontalAdvance("00") + 8 : 0;
    const double left = r.left() + 6 + week_width, width = r.right() - 6 - left;
    const double column = width / 7;
    const double names_top = title.bottom() + 3;
    pen_ = title_back;
    // Three letters of each name where they fit the column, fewer where they do not.
    size_t letters = 3;
    while (letters > 1 &&
           p_.fontMetrics().horizontalAdvance(QString("Wed").left(letters)) + 2 > column)
        --letters;
    for (int i = 0; i < 7; ++i) {
        const int weekday = (look.start_of_week - 1 + i) % 7 + 1;
        text(QRectF(left + i * column, names_top, column, line),
             std::string(host::day_name(weekday).substr(0, letters)), Qt::AlignCenter, false);
    }
    p_.setPen(title_back);
    p_.drawLine(QPointF(left, names_top + line + 1), QPointF(left + width, names_top + line + 1));
    // Six weeks of days, from the week that holds the first of the month.
    const double days_top = names_top + line + 4;
    const double row = std::max(1.0, (r.bottom() - 4 - days_top) / 6);
    const int before = (host::weekday_of({year, month, 1}) - look.start_of_week + 7) % 7;
    const double start = host::serial_of({year, month, 1}) - before;
    const host::CivilDate chosen = host::civil_of(look.date);
    const QColor trailing = calendar_colour(look.trailing_fore, kGrey);
    for (int k = 0; k < 42; ++k) {
        const host::CivilDate d = host::civil_of(start + k);
        const bool own = d.month == month;
        const bool earlier = !own && k < 7;
        if (!own && ((earlier && !first) || (!earlier && !last))) continue;
        const QRectF cell(left + (k % 7) * column, days_top + (k / 7) * row, column, row);
        pen_ = own ? saved : trailing;
        if (own && d == chosen) {
            p_.fillRect(cell.adjusted(1, 0, -1, 0), title_back);
            pen_ = kWindow;
        }
        text(cell, std::to_string(d.day), Qt::AlignCenter, false);
    }
    if (look.week_numbers) {
        pen_ = saved;
        for (int w = 0; w < 6; ++w)
            text(QRectF(r.left() + 4, days_top + w * row, week_width - 4, row),
                 std::to_string(host::iso_week_of(host::civil_of(start + 7 * w))), Qt::AlignCenter,
                 false);
        p_.setPen(title_back);
        p_.drawLine(QPointF(left - 2, days_top), QPointF(left - 2, days_top + 6 * row));
    }
    pen_ = saved;
}

}  // namespace kv::app
