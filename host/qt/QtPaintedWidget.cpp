#include "host/qt/QtPaintedWidget.h"

#include <QPainter>

#include "host/common/DataBar.h"

namespace kv::qt {

QtPaintedWidget::QtPaintedWidget(Kind kind, const QString& label, QWidget* parent)
    : QWidget(parent), kind_(kind), label_(label) {
    if (kind == Kind::Line) setAttribute(Qt::WA_TransparentForMouseEvents);
}

void QtPaintedWidget::set_line(QPointF a, QPointF b) {
    if (a == a_ && b == b_) return;
    a_ = a;
    b_ = b;
    update();
}

void QtPaintedWidget::set_caption(const QString& caption) {
    if (kind_ != Kind::Data || caption == label_) return;
    label_ = caption;
    update();
}

void QtPaintedWidget::set_look(const host::ShapeProps& look) {
    if (look == look_) return;
    look_ = look;
    update();
}

bool is_system_colour(double stored) {
    if (stored >= 0) return false;
    const auto bits = static_cast<uint32_t>(static_cast<int64_t>(stored));
    return (bits & 0xffffff00u) == 0x80000000u;
}

QColor screen_colour(const QPalette& pal, double stored) {
    const auto bits = static_cast<uint32_t>(static_cast<int64_t>(stored));
    if (!(bits & 0x80000000u)) return QColor(bits & 0xff, (bits >> 8) & 0xff, (bits >> 16) & 0xff);
    switch (bits & 0xff) {
        case 5:  // window
            return pal.color(QPalette::Base);
        case 6:  // window frame, menu and window texts
        case 7:
        case 8:
            return pal.color(QPalette::WindowText);
        case 13:
            return pal.color(QPalette::Highlight);
        case 9:  // caption and highlighted texts
        case 14:
            return pal.color(QPalette::HighlightedText);
        case 16:  // button shadow
            return pal.color(QPalette::Dark);
        case 17:  // grey text
            return pal.color(QPalette::Disabled, QPalette::Text);
        case 18:
            return pal.color(QPalette::ButtonText);
        case 20:  // button highlight
            return pal.color(QPalette::Light);
        case 21:  // 3-D dark shadow
            return pal.color(QPalette::Shadow);
        case 22:  // 3-D light
            return pal.color(QPalette::Midlight);
        case 23:
            return pal.color(QPalette::ToolTipText);
        case 24:
            return pal.color(QPalette::ToolTipBase);
        default:  // faces, borders and the rest
            return pal.color(QPalette::Button);
    }
}

QColor QtPaintedWidget::screen_colour(std::optional<double> stored, const QColor& fallback) const {
    return stored ? qt::screen_colour(palette(), *stored) : fallback;
}

void QtPaintedWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    switch (kind_) {
        case Kind::Line:
        case Kind::Shape: {
            const host::ColourOf colour = [this](std::optional<double> v, const QColor& fallback) {
                return screen_colour(v, fallback);
            };
            if (kind_ == Kind::Line)
                host::draw_line(p, a_, b_, look_, colour);
            else
                host::draw_shape(p, rect(), look_, colour);
            break;
        }
        case Kind::Data: {
            const QPalette& pal = palette();
            host::draw_data_bar(p, rect(), label_,
                                {pal.color(QPalette::Button), pal.color(QPalette::Dark),
                                 pal.color(QPalette::ButtonText), pal.color(QPalette::ButtonText)});
            break;
        }
        case Kind::Unknown:
            p.fillRect(rect(), palette().color(QPalette::Button));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
            p.drawText(rect(), Qt::AlignCenter, label_);
            break;
    }
}

}  // namespace kv::qt
