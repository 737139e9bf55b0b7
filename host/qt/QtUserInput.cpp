#include "host/qt/QtUserInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "engine/Error.h"
#include "host/common/OutsidePoint.h"
#include "host/qt/QtFormWindow.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtInputFilter.h"

namespace kv::qt {

namespace {

QtFormWindow& window_of(QtHost& host, mem::MemoryForm& form) {
    QtFormWindow* w = host.find_window(&form);
    if (!w || !w->frame()) throw Error(kErrInvalidCall, "The form has no window");
    return *w;
}

}  // namespace

void QtUserInput::resize(mem::MemoryForm& form, double width_twips, double height_twips) {
    QtFormWindow& w = window_of(host_, form);
    w.resize_as_user(w.window_size_for(width_twips, height_twips));
    host_.settle();
}

void QtUserInput::set_state(mem::MemoryForm& form, int state) {
    QtFormWindow& w = window_of(host_, form);
    const Qt::WindowStates s = state == 1   ? Qt::WindowMinimized
                               : state == 2 ? Qt::WindowMaximized
                                            : Qt::WindowNoState;
    w.outer()->setWindowState(s);
    host_.settle();
}

void QtUserInput::drag(mem::MemoryForm& form, mem::MemoryObject& target, double x, double y,
                       double x2, double y2, int steps) {
    QtFormWindow& w = window_of(host_, form);
    QWidget* widget = w.widget_of(&target);
    if (!widget) throw Error(kErrInvalidCall, "The target has no widget");
    const double tx = host_.twips_per_pixel_x(), ty = host_.twips_per_pixel_y();
    auto send_to = [&](mem::MemoryObject& to, QWidget* view, QEvent::Type type, double ux,
                       double uy, Qt::MouseButton button, Qt::MouseButtons held) {
        const QPointF local = QtInputFilter::to_pixels(to, ux, uy, tx, ty);
        QMouseEvent e(type, local, view->mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(view, &e);
    };
    auto send = [&](QEvent::Type type, double ux, double uy, Qt::MouseButton button,
                    Qt::MouseButtons held) { send_to(target, widget, type, ux, uy, button, held); };
    // The hand comes from off the form: a container that kept the capture after an earlier
    // drag lets go there, so the move onto the start point reaches the target.
    const auto [ox, oy] = host::point_outside(form);
    send_to(form, w.widget_of(&form), QEvent::MouseMove, ox, oy, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseMove, x, y, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= steps; ++i) {
        const double f = static_cast<double>(i) / steps;
        send(QEvent::MouseMove, x + (x2 - x) * f, y + (y2 - y) * f, Qt::NoButton, Qt::LeftButton);
    }
    send(QEvent::MouseButtonRelease, x2, y2, Qt::LeftButton, Qt::NoButton);
    host_.settle();
}

void QtUserInput::key(mem::MemoryForm& form, mem::MemoryObject& target, int qt_key) {
    QtFormWindow& w = window_of(host_, form);
    QWidget* widget = w.widget_of(&target);
    if (!widget) throw Error(kErrInvalidCall, "The target has no widget");
    QKeyEvent e(QEvent::KeyPress, qt_key, Qt::NoModifier);
    QApplication::sendEvent(widget, &e);
    host_.settle();
}

bool QtUserInput::close(mem::MemoryForm& form) {
    window_of(host_, form).outer()->close();
    host_.settle();
    return form.closed();
}

}  // namespace kv::qt
