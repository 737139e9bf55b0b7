#include "host/qt/QtPaintHold.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace kv::qt {

namespace {

QPointer<QWidget>& held() {
    static QPointer<QWidget> widget;
    return widget;
}

QPointer<QTimer>& cap() {
    static QPointer<QTimer> timer;
    return timer;
}

}  // namespace

void QtPaintHold::hold(QWidget& window) {
    if (held() == &window) return;
    release();
    if (!window.updatesEnabled()) return;
    window.setUpdatesEnabled(false);
    held() = &window;
    cap() = new QTimer(QCoreApplication::instance());
    cap()->setSingleShot(true);
    QObject::connect(cap(), &QTimer::timeout, [] { release(); });
    cap()->start(kMaxHoldMs);
}

void QtPaintHold::settled(int running_timers) {
    if (running_timers <= 0) release();
}

void QtPaintHold::release() {
    if (QTimer* t = cap()) t->deleteLater();
    cap() = nullptr;
    QPointer<QWidget> w = held();
    held() = nullptr;
    if (w) w->setUpdatesEnabled(true);
}

bool QtPaintHold::holds(const QWidget* widget) {
    return widget && held() == widget;
}

bool QtPaintHold::holding() {
    return held() != nullptr;
}

}  // namespace kv::qt
