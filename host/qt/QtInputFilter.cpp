#include "host/qt/QtInputFilter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "engine/HostAccess.h"
#include "host/qt/QtControlViews.h"
#include "host/qt/QtFormWindow.h"
#include "host/qt/QtHost.h"

namespace kv::qt {

int vb_buttons(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) |
           (b & Qt::MiddleButton ? 4 : 0);
}

int vb_shift(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

int vb_key(int k) {
    if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z)) return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
    switch (k) {
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Delete:
            return 46;
        default:
            return k & 0xffff;
    }
}

void QtInputFilter::watch(QWidget* widget) {
    widget->installEventFilter(this);
}

QPointF QtInputFilter::to_pixels(mem::MemoryObject& t, double x, double y, double tpp_x,
                                 double tpp_y) {
    const auto [ix, iy] = QtControlViews::inner_offset_twips(t);
    const double left = try_num(t, Prop::ScaleLeft).value_or(0);
    const double top = try_num(t, Prop::ScaleTop).value_or(0);
    return {((x - left) * t.twips_per_scale_unit_x() + ix) / tpp_x,
            ((y - top) * t.twips_per_scale_unit_y() + iy) / tpp_y};
}

std::pair<double, double> QtInputFilter::to_units(mem::MemoryObject& t, QPointF p, double tpp_x,
                                                  double tpp_y) {
    const auto [ix, iy] = QtControlViews::inner_offset_twips(t);
    const double left = try_num(t, Prop::ScaleLeft).value_or(0);
    const double top = try_num(t, Prop::ScaleTop).value_or(0);
    return {(p.x() * tpp_x - ix) / t.twips_per_scale_unit_x() + left,
            (p.y() * tpp_y - iy) / t.twips_per_scale_unit_y() + top};
}

bool QtInputFilter::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::ChildAdded || type == QEvent::ChildRemoved) {
        if (QtWidgetWatch* watch = window_.widget_watch()) watch->child_event(watched, event);
        return false;
    }
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                       type == QEvent::MouseMove;
    if (!mouse && type != QEvent::KeyPress) return false;
    auto form = window_.form();
    if (!form || form->closed()) return false;
    std::shared_ptr<mem::MemoryObject> target =
        watched == window_.client() ? form : window_.views().object_of(watched);
    if (!target || !target->alive()) return false;
    QtHost& host = window_.host();
    if (type == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        form->key_down(target, vb_key(k->key()), vb_shift(k->modifiers()));
        host.sync();
        return false;
    }
    auto* m = static_cast<QMouseEvent*>(event);
    const auto [x, y] =
        to_units(*target, m->position(), host.twips_per_pixel_x(), host.twips_per_pixel_y());
    const int shift = vb_shift(m->modifiers());
    if (type == QEvent::MouseButtonPress)
        form->mouse_down(target, vb_buttons(m->button()), shift, x, y);
    else if (type == QEvent::MouseButtonRelease)
        form->mouse_up(target, vb_buttons(m->button()), shift, x, y);
    else
        form->mouse_move(target, vb_buttons(m->buttons()), shift, x, y);
    host.sync();
    return true;
}

}  // namespace kv::qt
