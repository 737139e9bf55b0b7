#include "apps/kelvane/Renderer.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cctype>
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

// A colour value of the host (red + green * 256 + blue * 65536); system colours (high bit) are
// left to the default look.
std::optional<QColor> own_colour(const std::optional<double>& v) {
    if (!v || *v < 0 || *v >= 2147483648.0) return std::nullopt;
    const auto bgr = static_cast<uint32_t>(*v);
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// The anchoring pictures of a page's graphical option buttons ("anchor0" ... "anchor10"): a
// window with the control inside it, kept at a corner or border, stretched, or split in panes.
void draw_anchor(QPainter& p, const QRectF& area, int choice) {
    const double side = std::min({area.width(), area.height(), 30.0});
    const QRectF r(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    const QRectF win =
        r.adjusted(r.width() * 0.18, r.height() * 0.18, -r.width() * 0.18, -r.height() * 0.18);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(Qt::NoBrush);
    p.drawRect(win);
    const double w = win.width(), h = win.height();
    if (choice == 10) {
        p.fillRect(QRectF(win.left() + 2, win.top() + 2, w / 2 - 3, h - 4), QColor(64, 64, 64));
        p.fillRect(QRectF(win.center().x() + 1, win.top() + 2, w / 2 - 3, h - 4),
                   QColor(64, 64, 64));
        return;
    }
    if (choice == 9) {
        p.setPen(QPen(QColor(64, 64, 64), 1, Qt::DashLine));
        p.drawRect(win.adjusted(w * 0.2, h * 0.2, -w * 0.2, -h * 0.2));
        return;
    }
    const int row = choice / 3, col = choice % 3;
    const double bw = col == 1 ? w - 4 : w * 0.4, bh = row == 1 ? h - 4 : h * 0.4;
    const double bx = col == 0 ? win.left() + 2 : col == 2 ? win.right() - 2 - bw : win.left() + 2;
    const double by = row == 0 ? win.top() + 2 : row == 2 ? win.bottom() - 2 - bh : win.top() + 2;
    p.fillRect(QRectF(bx, by, bw, bh), QColor(64, 64, 64));
}

std::optional<int> anchor_choice(const std::string& picture) {
    if (picture.rfind("anchor", 0) != 0 || picture.size() == 6) return std::nullopt;
    try {
        return std::stoi(picture.substr(6));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

class Painter {
  public:
    Painter(QPainter& p, double tpp, bool page) : p_(p), tpp_(tpp), page_(page) {}

    QRectF rect(const ControlState& c) const {
        return QRectF(c.abs_left / tpp_, c.abs_top / tpp_, c.abs_width / tpp_, c.abs_height / tpp_);
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

    void text(const QRectF& r, const std::string& s, int flags) {
        p_.setPen(pen_);
        // A page's captions mark their access keys with "&" ("&&" is a plain "&").
        p_.drawText(r, flags | (page_ ? Qt::TextShowMnemonic : 0), QString::fromStdString(s));
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
            text(r.adjusted(4, 0, -16, 0), c.caption, Qt::AlignLeft | Qt::AlignVCenter);
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
            p_.setPen(QPen(kShadow, 1));
            p_.drawLine(QPointF(c.abs_x1 / tpp_, c.abs_y1 / tpp_),
                        QPointF(c.abs_x2 / tpp_, c.abs_y2 / tpp_));
        } else if (t == "TextBox") {
            sunken(r, kWindow);
            text(r.adjusted(4, 3, -4, -3), c.caption,
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        } else if (t == "CommandButton") {
            raised(r);
            text(r, c.caption, Qt::AlignCenter);
        } else if (t == "Label") {
            text(r, c.caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        } else if (t == "Frame") {
            p_.setPen(kShadow);
            p_.drawRect(r.adjusted(0, 6, -1, -1));
            const QRectF cap(r.left() + 8, r.top(), r.width() - 16, 14);
            const QRectF used =
                p_.boundingRect(cap, Qt::AlignLeft, QString::fromStdString(c.caption));
            p_.fillRect(used.adjusted(-2, 0, 2, 0), kFace);
            text(cap, c.caption, Qt::AlignLeft | Qt::AlignTop);
        } else if (t == "ListBox" || t == "ComboBox" || t == "FileListBox" || t == "DirListBox") {
            sunken(r, kWindow);
            p_.setPen(kShadow);
            const double line = p_.fontMetrics().height();
            for (int i = 0; i < 3 && (i + 1) * line + 4 < r.height(); ++i)
                p_.drawText(QPointF(r.left() + 4, r.top() + 2 + (i + 1) * line - 3),
                            QString::fromStdString(c.key + " " + std::to_string(i + 1)));
        } else if (t == "PictureBox" || t == "Image") {
            sunken(r, c.key.rfind("KelvaneHSplit", 0) == 0 || c.key.rfind("KelvaneVSplit", 0) == 0
                          ? kHighlight
                          : QColor(228, 228, 228));
        } else if (t == "OptionButton" || t == "CheckBox") {
            const double d = std::min(12.0, r.height());
            const QRectF mark(r.left(), r.top() + (r.height() - d) / 2, d, d);
            p_.setPen(kDark);
            p_.setBrush(kWindow);
            t == "OptionButton" ? p_.drawEllipse(mark) : p_.drawRect(mark);
            p_.setBrush(Qt::NoBrush);
            text(r.adjusted(d + 4, 0, 0, 0), c.caption, Qt::AlignLeft | Qt::AlignVCenter);
        } else {
            // Controls of other libraries: a labelled box.
            p_.fillRect(r, QColor(232, 236, 244));
            p_.setPen(kShadow);
            p_.drawRect(r.adjusted(0, 0, -1, -1));
            text(r.adjusted(4, 2, -4, -2), c.key + " (" + t + ")",
                 Qt::AlignLeft | Qt::AlignVCenter);
        }
    }

  private:
    QPainter& p_;
    double tpp_;
    bool page_;
    QColor pen_ = kText;
};

bool drawn(const ControlState& c) {
    if ((c.visible && !*c.visible) || c.container_hidden) return false;
    if (c.type == "Menu" || c.type == "Timer" || c.type == "zokKelvane") return false;
    return c.x1 || (c.abs_width > 0 && c.abs_height > 0);
}

// Containers before what they hold. A page is drawn container by container, each followed by
// what it holds in the order it was made, so that what a page puts in front comes last.
std::vector<const ControlState*> drawing_order(const Snapshot& s) {
    std::vector<const ControlState*> order;
    if (!s.page) {
        for (const auto& c : s.controls)
            if (drawn(c)) order.push_back(&c);
        std::stable_sort(
            order.begin(), order.end(),
            [](const ControlState* a, const ControlState* b) { return a->depth < b->depth; });
        return order;
    }
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
    const int w = std::max(1, static_cast<int>(s.form.client_width_twips / tpp + 0.5));
    const int h = std::max(1, static_cast<int>(s.form.client_height_twips / tpp + 0.5));
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
        std::map<std::string, const ControlState*> by_key;
        for (const auto& c : s.controls) by_key[c.key] = &c;
        for (const auto* c : drawing_order(s)) {
            p.save();
            // On a page a control shows only inside its containers (the shadow form inside
            // its demo picture).
            if (s.page)
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
    QImageWriter writer(QString::fromStdString(path), QByteArray::fromStdString(*format));
    if (!writer.write(image)) {
        error = "cannot write the picture '" + path + "'";
        return false;
    }
    return true;
}

}  // namespace kv::app
