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

void QtPaintedWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    switch (kind_) {
        case Kind::Line:
            p.drawLine(a_, b_);
            break;
        case Kind::Shape:
            p.drawRect(rect().adjusted(0, 0, -1, -1));
            break;
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
