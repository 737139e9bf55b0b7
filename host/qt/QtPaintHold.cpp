#include "host/qt/QtPaintHold.h"

#include <QPointer>
#include <QWidget>

namespace kv::qt {

namespace {

QPointer<QWidget>& held() {
    static QPointer<QWidget> widget;
    return widget;
}

QPointer<QWidget>& locked() {
    static QPointer<QWidget> widget;
    return widget;
}

}  // namespace

QtPaintHold::QtPaintHold(QWidget& window) {
    if (held() || !window.updatesEnabled()) return;
    window.setUpdatesEnabled(false);
    held() = &window;
}

QtPaintHold::~QtPaintHold() {
    QPointer<QWidget> w = held();
    held() = nullptr;
    if (w && w != locked()) w->setUpdatesEnabled(true);
}

void QtPaintHold::set_locked(QWidget* window) {
    locked() = window;
}

bool QtPaintHold::holds(const QWidget* widget) {
    return widget && held() == widget;
}

}  // namespace kv::qt
