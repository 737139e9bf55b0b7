#include "host/qt/QtPaintHold.h"

#include <QCoreApplication>
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

bool release_posted = false;

}  // namespace

void QtPaintHold::hold(QWidget& window) {
    if (held() == &window) return;
    release();
    if (!window.updatesEnabled()) return;
    window.setUpdatesEnabled(false);
    held() = &window;
    if (release_posted) return;
    release_posted = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            release_posted = false;
            release();
        },
        Qt::QueuedConnection);
}

void QtPaintHold::release() {
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
