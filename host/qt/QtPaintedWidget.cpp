#include "host/qt/QtPaintedWidget.h"

#include <QPainter>

#include "host/common/DataBar.h"
#include "host/common/SystemColour.h"

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
    return host::is_system_colour(stored);
}

QColor screen_colour(const QPalette& pal, double stored) {
    if (!host::is_system_colour(stored)) {
        const auto bits = static_cast<uint32_t>(static_cast<int64_t>(stored));
        return QColor(bits & 0xff, (bits >> 8) & 0xff, (bits >> 16) & 0xff);
    }
    using R = host::PaletteRole;
    switch (host::system_colour_role(stored)) {
        case R::Base:
            return pal.color(QPalette::Base);
        case R::WindowText:
            return pal.color(QPalette::WindowText);
        case R::Highlight:
            return pal.color(QPalette::Highlight);
        case R::HighlightedText:
            return pal.color(QPalette::HighlightedText);
        case R::Dark:
            return pal.color(QPalette::Dark);
        case R::DisabledText:
            return pal.color(QPalette::Disabled, QPalette::Text);
        case R::ButtonText:
            return pal.color(QPalette::ButtonText);
        case R::Light:
            return pal.color(QPalette::Light);
        case R::Shadow:
            return pal.color(QPalette::Shadow);
        case R::Midlight:
            return pal.color(QPalette::Midlight);
        case R::ToolTipText:
            return pal.color(QPalette::ToolTipText);
        case R::ToolTipBase:
            return pal.color(QPalette::ToolTipBase);
        case R::Button:
            break;
    }
    return pal.color(QPalette::Button);
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
