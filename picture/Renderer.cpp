#include "picture/Renderer.h"

#include "host/common/FormFrame.h"
#include "host/common/OffscreenGui.h"
#include "picture/ControlPainter.h"
#include "picture/PageLook.h"
#include "picture/PictureFile.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kv::app {

namespace {

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
    Stacker(const Snapshot& s, ControlPainter& painter, QPainter& p) : painter_(painter), p_(p) {
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
    ControlPainter& painter_;
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

// The form's menu bar under its title: each shown top-level menu's caption, its access key
// underlined, as the live window's bar shows them.
void draw_menu_bar(QPainter& p, const std::vector<MenuTitle>& menus, int width) {
    const int h = host::kMenuBarPixels;
    p.fillRect(QRect(0, 0, width, h), Qt::white);
    p.setPen(QColor(218, 218, 218));
    p.drawLine(0, h - 1, width, h - 1);
    QFont f("DejaVu Sans");
    f.setPixelSize(12);
    p.setFont(f);
    int x = 0;
    for (const auto& m : menus) {
        const QString caption = QString::fromStdString(m.caption);
        const int room = QFontMetrics(f).size(Qt::TextShowMnemonic, caption).width() + 14;
        p.setPen(m.enabled ? Qt::black : QColor(160, 160, 160));
        p.drawText(QRect(x, 0, room, h - 1), Qt::AlignCenter | Qt::TextShowMnemonic, caption);
        x += room;
    }
}

}  // namespace

std::optional<std::string> image_format(const std::string& path) {
    host::ensure_gui();
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
    host::ensure_gui();
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
    // The menu bar takes its room above the client area, as on the live window.
    const int bar = s.form.menus.empty() ? 0 : host::kMenuBarPixels;
    QImage image(w, h + kTitle + bar, QImage::Format_RGB32);
    image.fill(kFormFace);
    {
        QPainter p(&image);
        p.fillRect(QRect(0, 0, w, kTitle), QColor(0, 84, 166));
        QFont f("DejaVu Sans");
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        const std::string caption = s.form.caption.empty() ? s.form.name : s.form.caption;
        int text_left = 6;
        if (s.form.icon) {
            ControlPainter::draw_icon(p, *s.form.icon, QRectF(4, 3, 16, 16));
            text_left = 24;
        }
        p.drawText(QRect(text_left, 0, w - text_left - 6, kTitle), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(title.empty() ? caption : caption + "  -  " + title));
        p.translate(0, kTitle);
        if (bar) {
            draw_menu_bar(p, s.form.menus, w);
            p.translate(0, bar);
        }
        p.setClipRect(QRect(0, 0, w, h));
        // A form's client area in its BackColor (an MDI form's the workspace's grey); a page's in
        // a colour of its own only.
        if (!s.page)
            p.fillRect(QRect(0, 0, w, h), color_of(s.back_color, kFormFace));
        else if (const auto colour = own_colour(s.back_color))
            p.fillRect(QRect(0, 0, w, h), *colour);
        if (s.form.picture) ControlPainter::draw_form_picture(p, *s.form.picture);
        ControlPainter painter(p, tpp, s.page);
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
    return write_picture_file(image, path, *format, error);
}

}  // namespace kv::app
