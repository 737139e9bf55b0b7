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

// What Qt's setUpdatesEnabled(true) does below a widget, without the repaint of each: a
// descendant the application holds itself (its own setUpdatesEnabled(false)) stays held, with
// what it holds.
void resume_below(QWidget& w) {
    for (QObject* child : w.children()) {
        auto* c = qobject_cast<QWidget*>(child);
        if (!c || c->isWindow() || c->testAttribute(Qt::WA_ForceUpdatesDisabled) ||
            !c->testAttribute(Qt::WA_UpdatesDisabled))
            continue;
        c->setAttribute(Qt::WA_UpdatesDisabled, false);
        // A native child paints apart from its parent.
        if (c->testAttribute(Qt::WA_NativeWindow)) c->update();
        resume_below(*c);
    }
}

}  // namespace

void QtPaintHold::stop_updates(QWidget& widget) {
    widget.setUpdatesEnabled(false);
}

void QtPaintHold::resume_updates(QWidget& w) {
    w.setAttribute(Qt::WA_ForceUpdatesDisabled, false);
    // Under a parent that is held itself, the parent's end brings it back (as Qt does).
    if (!w.isWindow() && w.parentWidget() && !w.parentWidget()->updatesEnabled()) return;
    if (!w.testAttribute(Qt::WA_UpdatesDisabled)) return;
    w.setAttribute(Qt::WA_UpdatesDisabled, false);
    w.update();
    resume_below(w);
}

QtPaintHold::QtPaintHold(QWidget& window) {
    if (held() || !window.updatesEnabled()) return;
    stop_updates(window);
    held() = &window;
    mine_ = true;
}

QtPaintHold::~QtPaintHold() {
    if (!mine_) return;
    QPointer<QWidget> w = held();
    held() = nullptr;
    if (w && w != locked()) resume_updates(*w);
}

void QtPaintHold::set_locked(QWidget* window) {
    locked() = window;
}

bool QtPaintHold::holds(const QWidget* widget) {
    return widget && held() == widget;
}

}  // namespace kv::qt
