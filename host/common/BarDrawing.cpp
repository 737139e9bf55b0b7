#include "host/common/BarDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <cmath>

#include "host/common/PictureImage.h"
#include "host/common/SystemColour.h"

namespace kv::host {

namespace {

// A box's edges: raised (light above and left, shadow below and right) or sunken.
void edges(QPainter& p, const QRectF& box, bool sunken, const BarColours& c) {
    const QPointF right(1, 0), down(0, 1);
    p.setPen(sunken ? c.shadow : c.light);
    p.drawLine(box.topLeft(), box.topRight() - right);
    p.drawLine(box.topLeft(), box.bottomLeft() - down);
    p.setPen(sunken ? c.light : c.shadow);
    p.drawLine(box.bottomLeft() - down, box.bottomRight() - right - down);
    p.drawLine(box.topRight() - right, box.bottomRight() - right - down);
}

QColor stored_rgb(double stored) {
    // A system colour as the classic scheme has it, which an image list's pictures of a face's
    // colour were drawn on (the button face's silver for most).
    if (is_system_colour(stored)) {
        switch (static_cast<int>(static_cast<uint32_t>(static_cast<int64_t>(stored)) & 0xff)) {
            case 5:   // window
            case 20:  // button highlight
                return QColor(255, 255, 255);
            case 6:  // window frame, window text
            case 8:
            case 18:  // button text
                return QColor(0, 0, 0);
            case 12:  // application workspace
            case 16:  // button shadow
                return QColor(128, 128, 128);
            case 13:  // highlight
                return QColor(0, 0, 128);
            default:
                return QColor(192, 192, 192);
        }
    }
    const auto v = static_cast<unsigned>(std::clamp(stored, 0.0, 16777215.0));
    return QColor(v & 0xff, (v >> 8) & 0xff, (v >> 16) & 0xff);
}

// A button's picture and caption inside its face.
void button_face(QPainter& p, const QRectF& face, const ToolButton& b, const QImage& image,
                 bool caption_right, const BarColours& c) {
    const QString caption = QString::fromStdString(b.caption);
    const QFontMetricsF metrics(p.font());
    const double text_h = caption.isEmpty() ? 0 : metrics.height();
    const QSizeF picture = image.isNull() ? QSizeF() : QSizeF(image.size());
    QRectF text_box;
    QPointF at;
    if (caption_right) {
        at = QPointF(face.left() + 3, std::round(face.center().y() - picture.height() / 2));
        text_box = face.adjusted(picture.width() + (picture.isEmpty() ? 3 : 6), 0, -2, 0);
    } else {
        const double gap = picture.isEmpty() || caption.isEmpty() ? 0 : 2;
        const double top =
            std::round(face.top() + (face.height() - picture.height() - gap - text_h) / 2);
        at = QPointF(std::round(face.center().x() - picture.width() / 2), top);
        text_box = QRectF(face.left() + 2, top + picture.height() + gap, face.width() - 4, text_h);
    }
    if (!image.isNull()) {
        if (b.enabled) {
            p.drawImage(at, image);
        } else {
            p.save();
            p.setOpacity(0.4);
            p.drawImage(at, image.convertToFormat(QImage::Format_Grayscale8));
            p.restore();
        }
    }
    if (caption.isEmpty()) return;
    p.setPen(b.enabled ? c.text : c.grey);
    const Qt::Alignment across = caption_right ? Qt::AlignLeft : Qt::AlignHCenter;
    p.drawText(text_box, across | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

}  // namespace

void draw_status_bar(QPainter& p, const QRectF& r, const StatusBarLook& bar, double tpp,
                     const BarColours& c) {
    p.save();
    p.setClipRect(r);
    p.fillRect(r, c.face);
    const QFontMetricsF metrics(p.font());
    if (bar.simple) {
        p.setPen(c.text);
        p.drawText(r.adjusted(kPanelInset, kPanelGap, -kPanelInset, 0),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   QString::fromStdString(bar.simple_text));
        p.restore();
        return;
    }
    const auto places = bar.place(r.width(), tpp, [&](const std::string& s) {
        return metrics.horizontalAdvance(QString::fromStdString(s));
    });
    for (size_t i = 0; i < bar.panels.size(); ++i) {
        const StatusPanel& panel = bar.panels[i];
        const QRectF box(r.left() + places[i].left, r.top() + kPanelGap, places[i].width,
                         r.height() - kPanelGap);
        if (box.width() <= 0 || box.left() >= r.right()) continue;
        if (panel.bevel != 0) edges(p, box, panel.bevel == 1, c);
        static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
        p.setPen(panel.enabled ? c.text : c.grey);
        p.setClipRect(box & r);
        p.drawText(box.adjusted(kPanelInset, 0, -kPanelInset, 0),
                   kAlign[panel.alignment] | Qt::AlignVCenter | Qt::TextSingleLine,
                   QString::fromStdString(panel.text));
    }
    p.restore();
}

std::vector<QImage> tool_bar_images(const ToolBarLook& bar) {
    std::vector<QImage> out(bar.buttons.size());
    const QSize size(std::clamp(bar.image_width, 1, 256), std::clamp(bar.image_height, 1, 256));
    for (size_t i = 0; i < out.size() && i < bar.pictures.size(); ++i) {
        if (!bar.pictures[i]) continue;
        const Picture& picture = *bar.pictures[i];
        QImage image = picture.format == PictureFormat::Metafile ||
                               picture.format == PictureFormat::EnhancedMetafile
                           ? metafile_image(picture, size)
                           : picture_image(picture);
        if (image.isNull()) continue;
        image = image.convertToFormat(QImage::Format_ARGB32);
        if (bar.mask_colour &&
            (picture.format == PictureFormat::Bitmap || picture.format == PictureFormat::Dib)) {
            const QRgb mask = stored_rgb(*bar.mask_colour).rgb();
            for (int y = 0; y < image.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x)
                    if ((line[x] & 0xffffff) == (mask & 0xffffff)) line[x] = 0;
            }
        }
        out[i] = image.size() == size
                     ? image
                     : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return out;
}

void draw_tool_bar(QPainter& p, const QRectF& r, const ToolBarLook& bar, double tpp,
                   const std::vector<QImage>& images, const BarColours& c) {
    p.save();
    p.setClipRect(r);
    p.fillRect(r, c.face);
    // In 3-D the bar is set off from what lies above and below it.
    if (bar.etched) {
        p.setPen(c.light);
        p.drawLine(r.topLeft(), r.topRight());
        p.setPen(c.shadow);
        p.drawLine(r.bottomLeft() - QPointF(0, 1), r.bottomRight() - QPointF(0, 1));
    }
    const auto boxes = bar.place(tpp);
    for (size_t i = 0; i < boxes.size(); ++i) {
        const ToolButton& b = bar.buttons[i];
        if (boxes[i].empty()) continue;
        const QRectF box(r.left() + boxes[i].left, r.top() + boxes[i].top, boxes[i].width,
                         boxes[i].height);
        if (box.left() >= r.right()) break;
        if (b.style == ToolButton::Placeholder) continue;
        if (b.style == ToolButton::Separator) {
            // A flat bar etches a line between its groups; a raised one leaves a gap.
            if (bar.flat) {
                const double x = std::floor(box.center().x());
                p.setPen(c.shadow);
                p.drawLine(QPointF(x, box.top()), QPointF(x, box.bottom() - 1));
                p.setPen(c.light);
                p.drawLine(QPointF(x + 1, box.top()), QPointF(x + 1, box.bottom() - 1));
            }
            continue;
        }
        QRectF face = box;
        if (b.style == ToolButton::Dropdown) {
            face.setWidth(box.width() - kDropArrowWidth);
            const QRectF arrow(face.right(), box.top(), kDropArrowWidth, box.height());
            if (!bar.flat) edges(p, arrow, false, c);
            const QPointF m = arrow.center();
            p.setPen(Qt::NoPen);
            p.setBrush(b.enabled ? c.text : c.grey);
            p.drawPolygon(QPolygonF({m + QPointF(-3, -1), m + QPointF(3, -1), m + QPointF(0, 2)}));
            p.setBrush(Qt::NoBrush);
        }
        // A button that is in shows a lighter face and its contents a pixel down and right.
        if (b.pressed) p.fillRect(face, c.light);
        if (!bar.flat || b.pressed) edges(p, face, b.pressed, c);
        const QImage none;
        button_face(p, b.pressed ? face.translated(1, 1) : face, b,
                    i < images.size() ? images[i] : none, bar.caption_right, c);
    }
    p.restore();
}

}  // namespace kv::host
