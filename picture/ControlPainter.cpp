#include "picture/ControlPainter.h"

#include <QFont>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "host/common/BarDrawing.h"
#include "host/common/ClassTraits.h"
#include "host/common/DataBar.h"
#include "host/common/PictureImage.h"
#include "host/common/ShapeLook.h"
#include "picture/PageLook.h"

namespace kv::app {

namespace {

const QColor kFace = kFormFace, kShadow(160, 160, 160), kDark(64, 64, 64), kWindow(255, 255, 255),
             kText(0, 0, 0), kHighlight(0, 120, 215);

}  // namespace

namespace {

// A bar of the common controls in the system's colours (its own back and text where it has them).
host::BarColours bar_colours(const ControlState& c) {
    return {color_of(c.back_color, kFace), kWindow, kShadow, color_of(c.fore_color, kText),
            QColor(109, 109, 109)};
}

}  // namespace

QColor color_of(std::optional<double> value, const QColor& fallback) {
    if (!value) return fallback;
    const auto bits = static_cast<uint32_t>(static_cast<int64_t>(*value));
    if (bits & 0x80000000u) {
        switch (bits & 0xFF) {
            case 5:  // window
            case 9:  // caption text
            case 14:
            case 20:
                return kWindow;
            case 7:  // menu, window and button texts
            case 8:
            case 18:
            case 23:
                return kText;
            case 12:
                return QColor(171, 171, 171);
            case 13:
                return kHighlight;
            case 16:
                return kShadow;
            case 17:
                return QColor(109, 109, 109);
            case 24:
                return QColor(255, 255, 225);
            default:
                return kFace;
        }
    }
    return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

ControlPainter::ControlPainter(QPainter& p, double tpp, bool page)
    : p_(p), tpp_(tpp), page_(page) {}

QRectF ControlPainter::rect(const ControlState& c) const {
    return QRectF(c.abs_left / tpp_, c.abs_top / tpp_, c.abs_width / tpp_, c.abs_height / tpp_);
}

QRectF ControlPainter::inner(const ControlState& c) const {
    return QRectF(c.inner_left / tpp_, c.inner_top / tpp_, c.inner_width / tpp_,
                  c.inner_height / tpp_);
}

void ControlPainter::font(const ControlState& c) {
    QFont f("DejaVu Sans");
    const double pt = c.font_size.value_or(8.25);
    f.setPixelSize(std::max(1, static_cast<int>(pt * 1440.0 / 72.0 / tpp_ + 0.5)));
    host::apply_font_look(f, c.font);
    p_.setFont(f);
}

void ControlPainter::sunken(const QRectF& r, const QColor& fill) {
    p_.fillRect(r, fill);
    p_.setPen(kShadow);
    p_.drawRect(r.adjusted(0, 0, -1, -1));
}

void ControlPainter::raised(const QRectF& r, const QColor& face) {
    p_.fillRect(r, face);
    p_.setPen(kDark);
    p_.drawRect(r.adjusted(0, 0, -1, -1));
}

void ControlPainter::drop_down(const QRectF& r, const std::string& shown, const QColor& fill) {
    sunken(r, fill);
    text(r.adjusted(4, 0, -16, 0), shown, Qt::AlignLeft | Qt::AlignVCenter, false);
    const QRectF button(r.right() - 15, r.top() + 1, 14, r.height() - 2);
    p_.fillRect(button, kFace);
    const QPointF m = button.center();
    p_.setPen(Qt::NoPen);
    p_.setBrush(kDark);
    p_.drawPolygon(QPolygonF({m + QPointF(-3.5, -1.5), m + QPointF(3.5, -1.5), m + QPointF(0, 2)}));
    p_.setBrush(Qt::NoBrush);
}

double ControlPainter::spin_buttons(const QRectF& r) {
    const double side = std::min(16.0, r.width() / 3);
    const QRectF up(r.right() - side, r.top() + 1, side - 1, (r.height() - 2) / 2);
    const QRectF down = up.translated(0, up.height());
    for (const QRectF& b : {up, down}) p_.fillRect(b, kFace);
    p_.setPen(Qt::NoPen);
    p_.setBrush(kDark);
    const double a = std::max(1.5, std::min(side, up.height()) / 4);
    for (const auto& [b, way] : {std::pair(up, -1.0), std::pair(down, 1.0)}) {
        const QPointF m = b.center();
        p_.drawPolygon(QPolygonF({m + QPointF(-a, -way * a / 2), m + QPointF(a, -way * a / 2),
                                  m + QPointF(0, way * a / 2)}));
    }
    p_.setBrush(Qt::NoBrush);
    return side;
}

// An arrow button at each end and the box between them.
void ControlPainter::scroll_bar(bool across, const QRectF& r, std::optional<double> at) {
    p_.fillRect(r, QColor(235, 235, 235));
    const double length = across ? r.width() : r.height(), thick = across ? r.height() : r.width();
    const double side = std::min(thick, length / 3);
    const auto part = [&](double from, double size) {
        return across ? QRectF(r.left() + from, r.top(), size, r.height())
                      : QRectF(r.left(), r.top() + from, r.width(), size);
    };
    for (const QRectF& button : {part(0, side), part(length - side, side)}) raised(button);
    if (at && length - 3 * side > 0) raised(part(side + *at * (length - 3 * side), side));
    // The arrows, pointing out of the bar.
    p_.setPen(Qt::NoPen);
    p_.setBrush(kDark);
    const double a = side / 4;
    for (int end = 0; end < 2; ++end) {
        const QPointF m = part(end == 0 ? 0 : length - side, side).center();
        const double out = end == 0 ? -a : a;
        const QPolygonF arrow =
            across ? QPolygonF({QPointF(m.x() + out, m.y()), QPointF(m.x() - out, m.y() - a),
                                QPointF(m.x() - out, m.y() + a)})
                   : QPolygonF({QPointF(m.x(), m.y() + out), QPointF(m.x() - a, m.y() - out),
                                QPointF(m.x() + a, m.y() - out)});
        p_.drawPolygon(arrow);
    }
    p_.setBrush(Qt::NoBrush);
}

void ControlPainter::text(const QRectF& r, const std::string& s, int flags, bool caption) {
    p_.setPen(pen_);
    p_.drawText(r, flags | (caption ? Qt::TextShowMnemonic : 0), QString::fromStdString(s));
}

host::ShapeProps ControlPainter::shape_props(const ControlState& c) {
    return {c.shape,      c.back_style,   c.back_color,   c.fill_style,
            c.fill_color, c.border_style, c.border_color, c.border_width};
}

void ControlPainter::draw(const ControlState& c) {
    // A disabled control's text is grey (a container's own only: what it holds keeps its look);
    // an enabled one's in its own colour, where it has one.
    pen_ = c.enabled ? kText : kShadow;
    if (const auto fore = own_colour(c.fore_color); fore && c.enabled) pen_ = *fore;
    if (page_ && draw_page_control(c)) return;
    draw_form_control(c);
}

bool ControlPainter::draw_page_control(const ControlState& c) {
    const QRectF r = rect(c);
    const std::string& t = c.type;
    const auto colour = own_colour(c.back_color);
    font(c);
    const auto anchor = anchor_choice(c.picture);
    if (t == "OptionButton" && anchor) {
        p_.fillRect(r, colour.value_or(QColor(225, 225, 225)));
        p_.setPen(c.value.value_or(0) != 0 ? QPen(kHighlight, 2) : QPen(kDark, 1));
        p_.drawRect(r.adjusted(1, 1, -1, -1));
        draw_anchor(p_, r, *anchor);
        return true;
    }
    if (t == "PictureBox") {
        p_.fillRect(r, colour.value_or(QColor(228, 228, 228)));
        if (c.border_style.value_or(1) != 0) {
            p_.setPen(kShadow);
            p_.drawRect(r.adjusted(0, 0, -1, -1));
        }
        if (anchor) draw_anchor(p_, r, *anchor);
        return true;
    }
    if (t == "Label" || t == "Frame") {
        if (colour) p_.fillRect(r.adjusted(0, t == "Frame" ? 6 : 0, 0, 0), *colour);
        if (t == "Label") {
            text(r, c.caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
            return true;
        }
        return false;
    }
    if (t == "OptionButton" || t == "CheckBox") {
        if (colour) p_.fillRect(r, *colour);
        draw_form_control(c);
        return true;
    }
    if (t == "ListBox") {
        sunken(r, kWindow);
        const double line = p_.fontMetrics().height();
        for (size_t i = 0; i < c.items.size() && (i + 1) * line + 4 < r.height(); ++i) {
            const QRectF row(r.left() + 2, r.top() + 2 + i * line, r.width() - 4, line);
            if (i < c.selected.size() && c.selected[i]) p_.fillRect(row, kHighlight);
            p_.setPen(i < c.selected.size() && c.selected[i] ? kWindow : kText);
            p_.drawText(row.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                        QString::fromStdString(c.items[i]));
        }
        return true;
    }
    if (t == "ComboBox") {
        drop_down(r, c.caption);
        return true;
    }
    if (t == "CommandButton") {
        raised(r);
        text(r, c.caption, Qt::AlignCenter);
        return true;
    }
    return false;
}

void ControlPainter::draw_form_control(const ControlState& c) {
    const QRectF r = rect(c);
    // Another library's combo box or list is drawn as the runtime's it looks like.
    const std::string t(host::looks_as(c.type));
    font(c);
    if (t == "Line") {
        host::draw_line(p_, QPointF(c.abs_x1 / tpp_, c.abs_y1 / tpp_),
                        QPointF(c.abs_x2 / tpp_, c.abs_y2 / tpp_), shape_props(c), color_of);
    } else if (t == "Shape") {
        host::draw_shape(p_, r, shape_props(c), color_of);
    } else if (c.tabs) {
        draw_tabs(c, r);
    } else if (c.range) {
        draw_range(c, r);
    } else if (c.list_view) {
        draw_list_view(c, r);
    } else if (c.data_grid) {
        draw_data_grid(c, r);
    } else if (c.up_down) {
        draw_up_down(c, r);
    } else if (c.date) {
        c.date->kind == host::DateLook::Kind::Picker ? draw_date_picker(c, r)
                                                     : draw_month_view(c, r);
    } else if (c.flex_grid) {
        draw_flex_grid(c, r);
    } else if (c.status_bar) {
        host::draw_status_bar(p_, r, *c.status_bar, tpp_, bar_colours(c));
    } else if (c.tool_bar) {
        host::draw_tool_bar(p_, r, *c.tool_bar, tpp_, host::tool_bar_images(*c.tool_bar),
                            bar_colours(c));
    } else if (t == "Image") {
        // Without a picture that shows, its place: a dotted outline that hides nothing.
        QRectF inside = r;
        if (c.border_style.value_or(0) == 1) {
            p_.setPen(kDark);
            p_.drawRect(r.adjusted(0, 0, -1, -1));
            inside = r.adjusted(1, 1, -1, -1);
        }
        if (c.image && draw_picture(*c.image, inside, c.stretch)) return;
        p_.setPen(QPen(kShadow, 1, Qt::DotLine));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(r.adjusted(0, 0, -1, -1));
    } else if (t == "TextBox" || t == "RichTextBox" || t == "MaskEdBox") {
        sunken(r, color_of(c.back_color, kWindow));
        // The scroll bars a multi-line box asks for are there even with nothing to scroll; with
        // one across, its lines do not wrap.
        const bool across = c.scroll_bars & 1, down = c.scroll_bars & 2;
        const double side = kScrollBarTwips / tpp_;
        const QRectF in = r.adjusted(1, 1, -1, -1);
        const QRectF room = in.adjusted(0, 0, down ? -side : 0, across ? -side : 0);
        if (down) scroll_bar(false, QRectF(room.right(), in.top(), side, room.height()), {});
        if (across) scroll_bar(true, QRectF(in.left(), room.bottom(), room.width(), side), {});
        if (down && across) p_.fillRect(QRectF(room.right(), room.bottom(), side, side), kFace);
        // Alignment 1 right, 2 centre, as a label's.
        const int a = static_cast<int>(c.alignment.value_or(0));
        const int along = a == 1 ? Qt::AlignRight : a == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
        text(room.adjusted(3, 2, -3, -2), c.caption,
             along | Qt::AlignTop | (across ? 0 : Qt::TextWordWrap), false);
    } else if (t == "CommandButton") {
        button(c, r, false);
    } else if (t == "Label") {
        if (c.back_style.value_or(1) == 1 && c.back_color)
            p_.fillRect(r, color_of(c.back_color, kFace));
        // A border (BorderStyle 1) keeps the text off its edges; Alignment 1 right, 2 centre.
        const bool border = c.border_style.value_or(0) == 1;
        if (border) {
            p_.setPen(kShadow);
            p_.drawRect(r.adjusted(0, 0, -1, -1));
        }
        const int a = static_cast<int>(c.alignment.value_or(0));
        const int across = a == 1 ? Qt::AlignRight : a == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
        text(border ? r.adjusted(2, 2, -2, -2) : r, c.caption,
             across | Qt::AlignTop | Qt::TextWordWrap, c.use_mnemonic);
    } else if (t == "Frame") {
        const QColor back = color_of(c.back_color, kFace);
        p_.fillRect(r, back);
        const double line = p_.fontMetrics().height();
        p_.setPen(kShadow);
        p_.drawRect(r.adjusted(0, line / 2, -1, -1));
        if (c.caption.empty()) return;
        const QRectF cap(r.left() + 8, r.top(), r.width() - 16, line);
        const QRectF used = p_.boundingRect(cap, Qt::AlignLeft | Qt::TextShowMnemonic,
                                            QString::fromStdString(c.caption));
        p_.fillRect(used.adjusted(-2, 0, 2, 0), back);
        text(cap, c.caption, Qt::AlignLeft | Qt::AlignTop);
    } else if (t == "ComboBox" && c.style.value_or(0) == 1) {
        // A simple combo box: its text box as high as a drop-down one, its list always shown
        // below it.
        const double edit = std::min(r.height(), double(host::kComboHeightPixels));
        const QRectF box(r.left(), r.top(), r.width(), edit);
        sunken(box, color_of(c.back_color, kWindow));
        text(box.adjusted(4, 0, -4, 0), c.caption, Qt::AlignLeft | Qt::AlignVCenter, false);
        if (r.height() > edit) list(c, r.adjusted(0, edit, 0, 0), false);
    } else if (t == "ComboBox") {
        drop_down(r, c.caption, color_of(c.back_color, kWindow));
    } else if (t == "DriveListBox") {
        // The drives are the user's machine's: the list's name stands where its drive would.
        drop_down(r, c.key);
    } else if (t == "Data") {
        host::draw_data_bar(p_, r, QString::fromStdString(c.caption),
                            {kFace, kDark, kDark, color_of(c.fore_color, kText)});
    } else if (t == "HScrollBar" || t == "VScrollBar") {
        // The box where Value stands between Min and Max (Min may be above Max: the bar then
        // runs the other way).
        const double min = c.min.value_or(0), max = c.max.value_or(32767);
        scroll_bar(
            t == "HScrollBar", r,
            max == min ? 0 : std::clamp((c.value.value_or(min) - min) / (max - min), 0.0, 1.0));
    } else if (t == "ListBox" || t == "FileListBox" || t == "DirListBox") {
        // A list of check boxes (Style 1) has an empty one before each entry.
        list(c, r, t == "ListBox" && c.style.value_or(0) == 1 && !c.items.empty());
    } else if (t == "PictureBox") {
        const bool bar =
            c.key.rfind("KelvaneHSplit", 0) == 0 || c.key.rfind("KelvaneVSplit", 0) == 0;
        const QColor fill = bar ? kHighlight : color_of(c.back_color, kFace);
        if (c.border_style.value_or(1) == 0)
            p_.fillRect(r, fill);
        else
            sunken(r, fill);
        if (c.image) draw_picture(*c.image, inner(c), false);
    } else if ((t == "OptionButton" || t == "CheckBox") && c.style.value_or(0) == 1) {
        // Graphical: a push button, pressed while it is on.
        button(c, r, c.value.value_or(0) != 0);
    } else if (t == "OptionButton" || t == "CheckBox") {
        p_.fillRect(r, color_of(c.back_color, kFace));
        const double d = std::min(12.0, r.height());
        // Alignment 1: the box on the right, the caption to its left.
        const bool right = c.alignment.value_or(0) == 1;
        const QRectF mark(right ? r.right() - d : r.left(), r.top() + (r.height() - d) / 2, d, d);
        p_.setPen(kDark);
        p_.setBrush(kWindow);
        t == "OptionButton" ? p_.drawEllipse(mark) : p_.drawRect(mark);
        p_.setBrush(Qt::NoBrush);
        // On: a dot, or a cross (grey when a check box is greyed, Value 2).
        if (const double v = c.value.value_or(0); v != 0) {
            p_.setPen(QPen(v == 2 && t == "CheckBox" ? kShadow : kText, 2));
            if (t == "OptionButton") {
                p_.setBrush(kText);
                p_.drawEllipse(mark.adjusted(3, 3, -3, -3));
                p_.setBrush(Qt::NoBrush);
            } else {
                p_.drawLine(mark.topLeft() + QPointF(2, 2), mark.bottomRight() - QPointF(2, 2));
                p_.drawLine(mark.topRight() + QPointF(-2, 2), mark.bottomLeft() + QPointF(2, -2));
            }
        }
        text(right ? r.adjusted(0, 0, -d - 4, 0) : r.adjusted(d + 4, 0, 0, 0), c.caption,
             Qt::AlignLeft | Qt::AlignVCenter);
    } else if (t == "QSpinBox" || t == "QDoubleSpinBox" || t == "QDateEdit" || t == "QTimeEdit" ||
               t == "QDateTimeEdit") {
        // Designer's spin boxes: the value, and the step buttons at the right end.
        sunken(r, kWindow);
        const double side = spin_buttons(r);
        if (c.value)
            text(r.adjusted(4, 0, -side - 2, 0), QString::number(*c.value).toStdString(),
                 Qt::AlignLeft | Qt::AlignVCenter, false);
    } else if (t == "QSlider") {
        // A groove along it and the handle where the value stands (Qt's default range 0 to 99).
        const double min = c.min.value_or(0), max = c.max.value_or(99);
        const double at =
            max == min ? 0 : std::clamp((c.value.value_or(min) - min) / (max - min), 0.0, 1.0);
        const double handle = 10;
        if (c.across) {
            p_.fillRect(QRectF(r.left(), r.center().y() - 2, r.width(), 4), kShadow);
            raised(QRectF(r.left() + at * (r.width() - handle), r.top(), handle, r.height()));
        } else {
            p_.fillRect(QRectF(r.center().x() - 2, r.top(), 4, r.height()), kShadow);
            raised(QRectF(r.left(), r.bottom() - handle - at * (r.height() - handle), r.width(),
                          handle));
        }
    } else if (t == "QMdiArea") {
        // An exported MDI parent's client area: the workspace, in the system's colour for it.
        p_.fillRect(r, color_of(-2147483636.0, kShadow));  // &H8000000C
    } else if (t == "QProgressBar") {
        // Filled as far as the value goes, its share written on it (Qt's range 0 to 100).
        sunken(r, kWindow);
        const double min = c.min.value_or(0), max = c.max.value_or(100);
        if (c.value && *c.value >= min && max > min) {
            const double share = std::min(1.0, (*c.value - min) / (max - min));
            p_.fillRect(QRectF(r.left() + 1, r.top() + 1, (r.width() - 2) * share, r.height() - 2),
                        kHighlight);
            text(r, std::to_string(static_cast<int>(std::lround(share * 100))) + "%",
                 Qt::AlignCenter, false);
        }
    } else {
        // Controls of other libraries: a labelled box (at the top when it holds controls).
        p_.fillRect(r, QColor(232, 236, 244));
        p_.setPen(kShadow);
        p_.drawRect(r.adjusted(0, 0, -1, -1));
        text(r.adjusted(4, 2, -4, -2), c.key + " (" + t + ")",
             Qt::AlignLeft | (c.container ? Qt::AlignTop : Qt::AlignVCenter), false);
    }
}

void ControlPainter::list(const ControlState& c, const QRectF& r, bool checks) {
    sunken(r, color_of(c.back_color, kWindow));
    const double line = p_.fontMetrics().height();
    const double indent = checks ? line + 2 : 0;
    // Its entries, else (files and folders are the user's) where entries would stand.
    for (size_t i = 0;
         (c.items.empty() ? i < 3 : i < c.items.size()) && (i + 1) * line + 4 < r.height(); ++i) {
        const double top = r.top() + 2 + i * line;
        if (checks) {
            p_.setPen(kDark);
            p_.setBrush(kWindow);
            p_.drawRect(QRectF(r.left() + 4, top + 2, line - 4, line - 4));
            p_.setBrush(Qt::NoBrush);
        }
        p_.setPen(c.items.empty() ? kShadow : pen_);
        p_.drawText(QPointF(r.left() + 4 + indent, top + line - 3),
                    QString::fromStdString(c.items.empty() ? c.key + " " + std::to_string(i + 1)
                                                           : c.items[i]));
    }
}

void ControlPainter::button(const ControlState& c, const QRectF& r, bool pressed) {
    // A graphical button's face is in its BackColor; a standard command button's is the
    // system's, whatever its BackColor says.
    const auto own = c.style.value_or(0) == 1 ? own_colour(c.back_color) : std::nullopt;
    const QColor colour = own.value_or(QColor(225, 225, 225));
    if (pressed) {
        p_.fillRect(r, own ? own->darker(115) : QColor(204, 204, 204));
        p_.setPen(kDark);
        p_.drawRect(r.adjusted(0, 0, -1, -1));
        p_.setPen(kShadow);
        p_.drawLine(r.topLeft() + QPointF(1, 1), r.topRight() + QPointF(-2, 1));
        p_.drawLine(r.topLeft() + QPointF(1, 1), r.bottomLeft() + QPointF(1, -2));
    } else {
        raised(r, colour);
    }
    // The face's content moves down and right a pixel while the button is pressed.
    const QRectF face = pressed ? r.translated(1, 1) : r;
    // A graphical button shows its picture in the middle, the caption below it.
    if (c.image && c.style.value_or(0) == 1) {
        const double line = c.caption.empty() ? 0 : p_.fontMetrics().height() + 2;
        const QImage image = image_of(c.image.get());
        const QRectF room = face.adjusted(3, 3, -3, -3 - line);
        if (!image.isNull()) {
            const QSizeF size =
                QSizeF(image.size())
                    .scaled(room.size().boundedTo(QSizeF(image.size())), Qt::KeepAspectRatio);
            p_.drawImage(QRectF(room.center() - QPointF(size.width(), size.height()) / 2, size),
                         image);
        } else {
            draw_picture(*c.image, room, false);
        }
        text(face.adjusted(0, 0, 0, -2), c.caption, Qt::AlignHCenter | Qt::AlignBottom);
        return;
    }
    text(face, c.caption, Qt::AlignCenter);
}

QImage ControlPainter::image_of(const host::Picture* picture) {
    if (!picture) return QImage();
    auto it = images_.find(picture);
    if (it == images_.end()) it = images_.emplace(picture, host::picture_image(*picture)).first;
    return it->second;
}

bool ControlPainter::draw_picture(const host::Picture& picture, const QRectF& area, bool stretch) {
    const QImage image = image_of(&picture);
    p_.save();
    p_.setClipRect(area, Qt::IntersectClip);
    if (!image.isNull()) {
        // A metafile stretched is drawn at the size it is shown, as the drawing it is.
        if (!stretch)
            p_.drawImage(area.topLeft(), image);
        else if (!host::play_metafile(picture, p_, area))
            p_.drawImage(area, image);
    } else {
        QFont f("DejaVu Sans");
        f.setPixelSize(10);
        p_.setFont(f);
        p_.setPen(kShadow);
        p_.drawText(area.adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap,
                    QString("%1 picture").arg(host::format_name(picture.format)));
    }
    p_.restore();
    return !image.isNull();
}

void ControlPainter::draw_form_picture(QPainter& p, const host::Picture& picture) {
    const QImage image = host::picture_image(picture);
    if (!image.isNull()) p.drawImage(QPointF(0, 0), image);
}

void ControlPainter::draw_icon(QPainter& p, const host::Picture& icon, const QRectF& place) {
    // The image of an icon nearest the title bar's size.
    QImage best;
    for (const QImage& image : host::picture_images(icon))
        if (best.isNull() ||
            std::abs(image.height() - place.height()) < std::abs(best.height() - place.height()))
            best = image;
    if (best.isNull()) return;
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(place, best);
    p.restore();
}

}  // namespace kv::app
