#include "host/qt/QtUpDown.h"

#include <QToolButton>

namespace kv::qt {

QtUpDown::QtUpDown(host::UpDownLook look, QWidget* parent)
    : QWidget(parent),
      look_(std::move(look)),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
    // Up and down, or (lying across) left and right: the left one steps down.
    up_->setArrowType(look_.across ? Qt::RightArrow : Qt::UpArrow);
    down_->setArrowType(look_.across ? Qt::LeftArrow : Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, [this] { step(true); });
    connect(down_, &QToolButton::clicked, this, [this] { step(false); });
}

void QtUpDown::resizeEvent(QResizeEvent*) {
    const int w = width(), h = height();
    if (look_.across) {
        down_->setGeometry(0, 0, w / 2, h);
        up_->setGeometry(w / 2, 0, w - w / 2, h);
    } else {
        up_->setGeometry(0, 0, w, h / 2);
        down_->setGeometry(0, h / 2, w, h - h / 2);
    }
}

void QtUpDown::step(bool up) {
    const double next = look_.step(up);
    if (next == look_.value) return;
    look_.value = next;
    if (on_step_) on_step_(next);
}

}  // namespace kv::qt
