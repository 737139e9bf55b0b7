#pragma once
// A window's painting held while a border drag's resize works its way through its form: the
// resize event's pass, the widgets moved, and the rest of Qt's own resize of the window. Every
// visible widget moved while its window paints costs Qt a walk over its siblings; held, the
// window is painted once, as soon as the event loop is back (before the settle tick, as the
// forms platform paints before its timers tick). A settle tick that follows moves only what the
// pass left to it, and paints only that.
class QWidget;

namespace kv::qt {

class QtPaintHold {
  public:
    // Hold `window`'s painting until the event loop is back (nothing when something else holds
    // it already).
    static void hold(QWidget& window);
    static void release();
    // Whether `widget` is a window held (its painting comes back with the hold's end).
    static bool holds(const QWidget* widget);
    // The window whose painting the form's update lock holds now (nullptr: none): a hold that
    // ends meanwhile leaves its painting to the lock's end.
    static void set_locked(QWidget* window);

    // Qt's setUpdatesEnabled(false) and (true), but the end repaints `widget` once: Qt's own asks
    // each descendant to repaint itself as well, all inside the widget's repaint already (with
    // thousands of widgets, a third of the work between a resize and its paint).
    static void stop_updates(QWidget& widget);
    static void resume_updates(QWidget& widget);
};

}  // namespace kv::qt
