#include "apps/kelvane/Renderer.h"

#include "apps/kelvane/PageLook.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kv::app {

namespace {

// Text drawing needs an application object; the offscreen platform needs no display.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    // The offscreen platform's notices (no runtime folder, no display) are not the user's concern.
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(msg));
}

void ensure_gui() {
    if (QGuiApplication::instance()) return;
    qInstallMessageHandler(quiet);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "kelvane";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app(new QGuiApplication(argc, argv));
}

const QColor kFace(240, 240, 240), kShadow(160, 160, 160), kDark(64, 64, 64),
    kWindow(255, 255, 255), kText(0, 0, 0), kHighlight(0, 120, 215);

// A colour as the host holds it: &H00BBGGRR, or a system colour &H800000nn.
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

class Painter {
  public:
    Painter(QPainter& p, double tpp, bool page) : p_(p), tpp_(tpp), page_(page) {}

    QRectF rect(const ControlState& c) const {
        return QRectF(c.abs_left / tpp_, c.abs_top / tpp_, c.abs_width / tpp_, c.abs_height / tpp_);
    }

    QRectF inner(const ControlState& c) const {
        return QRectF(c.inner_left / tpp_, c.inner_top / tpp_, c.inner_width / tpp_,
                      c.inner_height / tpp_);
    }

    void font(const ControlState& c) {
        QFont f("DejaVu Sans");
        const double pt = c.font_size.value_or(8.25);
        f.setPixelSize(std::max(1, static_cast<int>(pt * 1440.0 / 72.0 / tpp_ + 0.5)));
        p_.setFont(f);
    }

    void sunken(const QRectF& r, const QColor& fill) {
        p_.fillRect(r, fill);
        p_.setPen(kShadow);
        p_.drawRect(r.adjusted(0, 0, -1, -1));
    }

    void raised(const QRectF& r) {
        p_.fillRect(r, QColor(225, 225, 225));
        p_.setPen(kDark);
        p_.drawRect(r.adjusted(0, 0, -1, -1));
    }

    // Captions show their access key underlined ("&File"); a text box's text is as it stands.
    void text(const QRectF& r, const std::string& s, int flags, bool caption = true) {
        p_.setPen(pen_);
        p_.drawText(r, flags | (caption ? Qt::TextShowMnemonic : 0), QString::fromStdString(s));
    }

    // Only what the shape's styles ask for: a transparent shape (the default) is an outline.
    void shape(const ControlState& c, QRectF r) {
        const int kind = static_cast<int>(c.shape.value_or(0));
        if (kind == 1 || kind == 3 || kind == 5) {  // square, circle, rounded square
            const double side = std::min(r.width(), r.height());
            r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
        }
        const int fill = static_cast<int>(c.fill_style.value_or(1));
        QBrush brush = Qt::NoBrush;
        if (c.back_style.value_or(0) == 1) brush = QBrush(color_of(c.back_color, kWindow));
        QBrush pattern = Qt::NoBrush;
        if (fill != 1) {
            static const Qt::BrushStyle kStyles[] = {
                Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
                Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
            pattern = QBrush(color_of(c.fill_color, kText), kStyles[std::clamp(fill, 0, 7)]);
        }
        QPen pen = Qt::NoPen;
        const int border = static_cast<int>(c.border_style.value_or(1));
        if (border != 0) {
            static const Qt::PenStyle kLines[] = {Qt::SolidLine,      Qt::DashLine,
                                                  Qt::DotLine,        Qt::DashDotLine,
                                                  Qt::DashDotDotLine, Qt::SolidLine};
            pen = QPen(color_of(c.border_color, kText), std::max(1.0, c.border_width.value_or(1)),
                       kLines[std::clamp(border, 1, 6) - 1]);
        }
        const QRectF outline = r.adjusted(0, 0, -1, -1);
        for (const QBrush& b : {brush, pattern}) {
            if (b.style() == Qt::NoBrush) continue;
            p_.setPen(Qt::NoPen);
            p_.setBrush(b);
            draw_outline(kind, outline);
        }
        p_.setBrush(Qt::NoBrush);
        p_.setPen(pen);
        draw_outline(kind, outline);
    }

    void draw(const ControlState& c) {
        pen_ = kText;
        if (page_) {
            if (!c.enabled)
                pen_ = kShadow;
            else if (const auto fore = own_colour(c.fore_color))
                pen_ = *fore;
            if (draw_page_control(c)) return;
        }
        draw_form_control(c);
    }

    // The look of a page's own controls: their colours, states, pictures and entries. False
    // when the control looks as on a form.
    bool draw_page_control(const ControlState& c) {
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
            if (c.value.value_or(0) == 0) return true;
            const double d = std::min(12.0, r.height());
            const QRectF mark(r.left(), r.top() + (r.height() - d) / 2, d, d);
            p_.setPen(QPen(kText, 2));
            if (t == "OptionButton") {
                p_.setBrush(kText);
                p_.drawEllipse(mark.adjusted(3, 3, -3, -3));
                p_.setBrush(Qt::NoBrush);
            } else {
                p_.drawLine(mark.topLeft() + QPointF(2, 2), mark.bottomRight() - QPointF(2, 2));
                p_.drawLine(mark.topRight() + QPointF(-2, 2), mark.bottomLeft() + QPointF(2, -2));
            }
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
            sunken(r, kWindow);
            text(r.adjusted(4, 0, -16, 0), c.caption, Qt::AlignLeft | Qt::AlignVCenter, false);
            p_.fillRect(QRectF(r.right() - 15, r.top() + 1, 14, r.height() - 2), kFace);
            return true;
        }
        if (t == "CommandButton") {
            raised(r);
            text(r, c.caption, Qt::AlignCenter);
            return true;
        }
        return false;
    }

    void draw_form_control(const ControlState& c) {
        const QRectF r = rect(c);
        const std::string& t = c.type;
        font(c);
        if (t == "Line") {
            p_.setPen(
                QPen(color_of(c.border_color, kText), std::max(1.0, c.border_width.value_or(1))));
            p_.drawLine(QPointF(c.abs_x1 / tpp_, c.abs_y1 / tpp_),
                        QPointF(c.abs_x2 / tpp_, c.abs_y2 / tpp_));
        } else if (t == "Shape") {
            shape(c, r);
        } else if (t == "Image") {
            // No picture is decoded: its place, as a dotted outline that hides nothing.
            p_.setPen(QPen(kShadow, 1, Qt::DotLine));
            p_.setBrush(Qt::NoBrush);
            p_.drawRect(r.adjusted(0, 0, -1, -1));
        } else if (t == "TextBox") {
            sunken(r, kWindow);
            text(r.adjusted(4, 3, -4, -3), c.caption,
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, false);
        } else if (t == "CommandButton") {
            raised(r);
            text(r, c.caption, Qt::AlignCenter);
        } else if (t == "Label") {
            if (c.back_style.value_or(1) == 1 && c.back_color)
                p_.fillRect(r, color_of(c.back_color, kFace));
            text(r, c.caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        } else if (t == "Frame") {
            const double line = p_.fontMetrics().height();
            p_.setPen(kShadow);
            p_.drawRect(r.adjusted(0, line / 2, -1, -1));
            if (c.caption.empty()) return;
            const QRectF cap(r.left() + 8, r.top(), r.width() - 16, line);
            const QRectF used = p_.boundingRect(cap, Qt::AlignLeft | Qt::TextShowMnemonic,
                                                QString::fromStdString(c.caption));
            p_.fillRect(used.adjusted(-2, 0, 2, 0), kFace);
            text(cap, c.caption, Qt::AlignLeft | Qt::AlignTop);
        } else if (t == "ListBox" || t == "ComboBox" || t == "FileListBox" || t == "DirListBox") {
            sunken(r, kWindow);
            p_.setPen(kShadow);
            const double line = p_.fontMetrics().height();
            for (int i = 0; i < 3 && (i + 1) * line + 4 < r.height(); ++i)
                p_.drawText(QPointF(r.left() + 4, r.top() + 2 + (i + 1) * line - 3),
                            QString::fromStdString(c.key + " " + std::to_string(i + 1)));
        } else if (t == "PictureBox") {
            const bool bar =
                c.key.rfind("KelvaneHSplit", 0) == 0 || c.key.rfind("KelvaneVSplit", 0) == 0;
            const QColor fill = bar ? kHighlight : color_of(c.back_color, kFace);
            if (c.border_style.value_or(1) == 0)
                p_.fillRect(r, fill);
            else
                sunken(r, fill);
        } else if (t == "OptionButton" || t == "CheckBox") {
            const double d = std::min(12.0, r.height());
            const QRectF mark(r.left(), r.top() + (r.height() - d) / 2, d, d);
            p_.setPen(kDark);
            p_.setBrush(kWindow);
            t == "OptionButton" ? p_.drawEllipse(mark) : p_.drawRect(mark);
            p_.setBrush(Qt::NoBrush);
            text(r.adjusted(d + 4, 0, 0, 0), c.caption, Qt::AlignLeft | Qt::AlignVCenter);
        } else {
            // Controls of other libraries: a labelled box (at the top when it holds controls).
            p_.fillRect(r, QColor(232, 236, 244));
            p_.setPen(kShadow);
            p_.drawRect(r.adjusted(0, 0, -1, -1));
            text(r.adjusted(4, 2, -4, -2), c.key + " (" + t + ")",
                 Qt::AlignLeft | (c.container ? Qt::AlignTop : Qt::AlignVCenter), false);
        }
    }

  private:
    void draw_outline(int kind, const QRectF& r) {
        if (kind == 2 || kind == 3)
            p_.drawEllipse(r);
        else if (kind == 4 || kind == 5)
            p_.drawRoundedRect(r, std::min(r.width(), r.height()) / 6,
                               std::min(r.width(), r.height()) / 6);
        else
            p_.drawRect(r);
    }

    QPainter& p_;
    double tpp_;
    bool page_;
    QColor pen_ = kText;
};

bool drawn(const ControlState& c) {
    if (!c.shown) return false;
    if (c.type == "Menu" || c.type == "Timer" || c.type == "zokKelvane") return false;
    return c.x1 || (c.abs_width > 0 && c.abs_height > 0);
}

// Paints the controls of one container as the runtime stacks them: the windowless ones on the
// container's surface first, then the windows, each with what it holds clipped to its inner
// area. A hidden container hides everything in it.
class Stacker {
  public:
    Stacker(const Snapshot& s, Painter& painter, QPainter& p) : painter_(painter), p_(p) {
        for (const auto& c : s.controls)
            if (c.has_container) held_[c.container_key].push_back(&c);
    }

    void paint(const std::string& container_key) {
        const auto it = held_.find(container_key);
        if (it == held_.end()) return;
        for (const auto* c : it->second)
            if (!c->windowed && drawn(*c)) painter_.draw(*c);
        for (const auto* c : it->second) {
            if (!c->windowed || !drawn(*c)) continue;
            painter_.draw(*c);
            if (!c->container) continue;
            p_.save();
            p_.setClipRect(painter_.inner(*c), Qt::IntersectClip);
            paint(c->key);
            p_.restore();
        }
    }

  private:
    std::map<std::string, std::vector<const ControlState*>> held_;
    Painter& painter_;
    QPainter& p_;
};

// A page is drawn container by container, each followed by
// what it holds in the order it was made, so that what a page puts in front comes last.
std::vector<const ControlState*> page_order(const Snapshot& s) {
    std::vector<const ControlState*> order;
    std::map<std::string, std::vector<const ControlState*>> children;
    for (const auto& c : s.controls)
        children[c.depth == 0 ? std::string() : c.container_key].push_back(&c);
    auto visit = [&](const std::string& key, auto& self) -> void {
        const auto it = children.find(key);
        if (it == children.end()) return;
        for (const auto* c : it->second) {
            if (!drawn(*c)) continue;
            order.push_back(c);
            self(c->key, self);
        }
    };
    visit(std::string(), visit);
    return order;
}

}  // namespace

std::optional<std::string> image_format(const std::string& path) {
    ensure_gui();
    std::string suffix = std::filesystem::path(path).extension().string();
    if (suffix.size() < 2) return std::nullopt;
    suffix = suffix.substr(1);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    for (const QByteArray& format : QImageWriter::supportedImageFormats())
        if (format.toStdString() == suffix) return suffix;
    return std::nullopt;
}

std::vector<std::string> image_formats() {
    ensure_gui();
    std::vector<std::string> names;
    for (const QByteArray& format : QImageWriter::supportedImageFormats())
        names.push_back(format.toStdString());
    return names;
}

bool render_picture(const Snapshot& s, double tpp, const std::string& path, std::string& error,
                    const std::string& title) {
    const auto format = image_format(path);
    if (!format) {
        error = "cannot tell an image format from the name '" + path + "'";
        return false;
    }
    constexpr int kTitle = 22;
    // Checked before any pixel is made: an image library given a picture this large fails in
    // its own words, or takes the machine's memory.
    const double pw = std::max(1.0, std::floor(s.form.client_width_twips / tpp + 0.5));
    const double ph = std::max(1.0, std::floor(s.form.client_height_twips / tpp + 0.5));
    if (!(pw <= kMaxPictureSide && ph <= kMaxPictureSide)) {
        const auto whole = [](double v) {
            char text[64];
            std::snprintf(text, sizeof text, "%.0f", v);
            return std::string(text);
        };
        error = "the form's client area of " + whole(s.form.client_width_twips) + " x " +
                whole(s.form.client_height_twips) + " twips would be a picture of " + whole(pw) +
                " x " + whole(ph) + " pixels, more than " + std::to_string(kMaxPictureSide) +
                " pixels a side; give the form a smaller size";
        return false;
    }
    const int w = static_cast<int>(pw), h = static_cast<int>(ph);
    QImage image(w, h + kTitle, QImage::Format_RGB32);
    image.fill(kFace);
    {
        QPainter p(&image);
        p.fillRect(QRect(0, 0, w, kTitle), QColor(0, 84, 166));
        QFont f("DejaVu Sans");
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        const std::string caption = s.form.caption.empty() ? s.form.name : s.form.caption;
        p.drawText(QRect(6, 0, w - 12, kTitle), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(title.empty() ? caption : caption + "  -  " + title));
        p.translate(0, kTitle);
        p.setClipRect(QRect(0, 0, w, h));
        if (const auto colour = own_colour(s.back_color)) p.fillRect(QRect(0, 0, w, h), *colour);
        Painter painter(p, tpp, s.page);
        if (!s.page) {
            Stacker(s, painter, p).paint(s.form.name);
        } else {
            std::map<std::string, const ControlState*> by_key;
            for (const auto& c : s.controls) by_key[c.key] = &c;
            for (const auto* c : page_order(s)) {
                p.save();
                // On a page a control shows only inside its containers (the shadow form inside
                // its demo picture).
                for (const ControlState* up = c; up->depth > 0;) {
                    const auto it = by_key.find(up->container_key);
                    if (it == by_key.end()) break;
                    up = it->second;
                    p.setClipRect(painter.rect(*up), Qt::IntersectClip);
                }
                painter.draw(*c);
                p.restore();
            }
        }
    }
    QImageWriter writer(QString::fromStdString(path), QByteArray::fromStdString(*format));
    if (!writer.write(image)) {
        error = "cannot write the picture '" + path + "'";
        return false;
    }
    return true;
}

}  // namespace kv::app
