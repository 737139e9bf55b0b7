#include "host/qt/QtPageInput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

#include "host/qt/QtFormWindow.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtPageDialog.h"
#include "host/qt/QtPageView.h"

namespace kv::qt {

namespace {

void send_mouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button,
                Qt::MouseButtons held) {
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Where a click lands on a button: the middle of what the style makes clickable (a check box's
// box and text, an option's picture).
QPointF click_point(QWidget* w) {
    auto* b = qobject_cast<QAbstractButton*>(w);
    if (!b || qobject_cast<QPushButton*>(w)) return QRectF(w->rect()).center();
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    const auto element = qobject_cast<QCheckBox*>(w) ? QStyle::SE_CheckBoxClickRect
                                                     : QStyle::SE_RadioButtonClickRect;
    const QRect r = w->style()->subElementRect(element, &opt, w).intersected(w->rect());
    return r.isEmpty() ? QRectF(w->rect()).center() : QRectF(r).center();
}

}  // namespace

QWidget* QtPageInput::workable(mem::MemoryObject& control) const {
    QWidget* w = dialog_.active_view().widget_of(&control);
    if (!w || !w->isVisibleTo(&dialog_) || !w->isEnabled()) return nullptr;
    return w;
}

void QtPageInput::send_click(QWidget* w, QPointF at, bool twice) {
    send_mouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    send_mouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    if (twice) {
        send_mouse(w, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        send_mouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    dialog_.refresh();
}

bool QtPageInput::select_page(int i) {
    QTabBar* bar = dialog_.tabs().tabBar();
    if (i < 0 || i >= bar->count() || !bar->isTabEnabled(i)) return false;
    send_click(bar, QRectF(bar->tabRect(i)).center());
    return dialog_.tabs().currentIndex() == i;
}

bool QtPageInput::click(mem::MemoryObject& control) {
    QWidget* w = workable(control);
    if (!w) return false;
    send_click(w, click_point(w));
    return true;
}

bool QtPageInput::dbl_click(mem::MemoryObject& control) {
    QWidget* w = workable(control);
    if (!w) return false;
    send_click(w, click_point(w), true);
    return true;
}

bool QtPageInput::focus(mem::MemoryObject& control) {
    QWidget* w = workable(control);
    if (!w) return false;
    QFocusEvent e(QEvent::FocusIn, Qt::TabFocusReason);
    w->setFocus(Qt::TabFocusReason);
    // Without an active window Qt keeps the focus to itself: tell the widget all the same.
    if (QApplication::focusWidget() != w) QApplication::sendEvent(w, &e);
    dialog_.refresh();
    return true;
}

bool QtPageInput::click_entry(mem::MemoryObject& list, int index) {
    QWidget* w = workable(list);
    if (!w) return false;
    if (auto* view = qobject_cast<QListWidget*>(w)) {
        QListWidgetItem* item = view->item(index);
        if (!item) return false;
        view->scrollToItem(item);
        send_click(view->viewport(), QRectF(view->visualItemRect(item)).center());
        return true;
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (index < 0 || index >= combo->count()) return false;
        // What choosing from the drop-down list ends in.
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        dialog_.refresh();
        return true;
    }
    return false;
}

void QtPageInput::press_key(int qt_key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != &dialog_) {
        auto page = dialog_.active_view().page();
        auto focused = page ? page->focused() : nullptr;
        target = focused ? dialog_.active_view().widget_of(focused.get()) : nullptr;
        if (!target && dialog_.active_view().window())
            target = dialog_.active_view().window()->client();
    }
    if (!target) return;
    QKeyEvent down(QEvent::KeyPress, qt_key, modifiers);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, qt_key, modifiers);
    QApplication::sendEvent(target, &up);
    dialog_.refresh();
}

bool QtPageInput::drag(mem::MemoryObject& control, double dx, double dy, int steps) {
    QWidget* w = workable(control);
    if (!w) return false;
    steps = std::max(steps, 1);
    const double tx = dialog_.host().twips_per_pixel_x(), ty = dialog_.host().twips_per_pixel_y();
    // The pointer moves over the screen; the widget under the press hears every event, at the
    // point where the pointer is relative to where the widget stands then.
    const QPointF start = w->mapToGlobal(QRectF(w->rect()).center());
    auto at = [&](double f) { return w->mapFromGlobal(start + QPointF(dx * f / tx, dy * f / ty)); };
    send_mouse(w, QEvent::MouseButtonPress, at(0), Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= steps; ++i)
        send_mouse(w, QEvent::MouseMove, at(static_cast<double>(i) / steps), Qt::NoButton,
                   Qt::LeftButton);
    send_mouse(w, QEvent::MouseButtonRelease, at(1), Qt::LeftButton, Qt::NoButton);
    dialog_.refresh();
    return true;
}

bool QtPageInput::press(QPushButton& button) {
    if (!button.isVisibleTo(&dialog_) || !button.isEnabled()) return false;
    send_click(&button, QRectF(button.rect()).center());
    return true;
}

}  // namespace kv::qt
