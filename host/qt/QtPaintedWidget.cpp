#include "host/qt/QtPaintedWidget.h"

#include <QPainter>

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
        case Kind::Unknown:
            p.fillRect(rect(), palette().color(QPalette::Button));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
            p.drawText(rect(), Qt::AlignCenter, label_);
            break;
    }
}

}  // namespace kv::qt
