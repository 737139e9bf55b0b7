#pragma once
// Mouse and keys on a form's client area, frames and picture boxes, delivered to the form's
// events in the target's scale units (a capturing window gets them, as the forms runtime routes
// them). Also the conversions between a target's units and its widget's pixels; children
// coming to or leaving a watched widget go on to the window's widget watch.
#include <QObject>
#include <QPointF>

#include "host/memory/MemoryObject.h"

class QWidget;

namespace kv::qt {

class QtFormWindow;

class QtInputFilter : public QObject {
  public:
    explicit QtInputFilter(QtFormWindow& window) : window_(window) {}
    void watch(QWidget* widget);

    // A point in the target's scale units <-> its widget's pixels.
    static QPointF to_pixels(mem::MemoryObject& target, double x, double y, double tpp_x,
                             double tpp_y);
    static std::pair<double, double> to_units(mem::MemoryObject& target, QPointF pixels,
                                              double tpp_x, double tpp_y);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QtFormWindow& window_;
};

// The forms runtime's mouse buttons (1 left, 2 right, 4 middle), shift state (1 shift,
// 2 control, 4 alt) and key codes of Qt's.
int vb_buttons(Qt::MouseButtons buttons);
int vb_shift(Qt::KeyboardModifiers modifiers);
int vb_key(int qt_key);

}  // namespace kv::qt
