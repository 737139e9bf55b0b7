#pragma once
// A window's painting held while a resize works its way through its form: the resize event's
// pass, the widgets moved, the settle ticks and their passes. Painting each of those would
// paint the window several times, and every visible widget moved while its window paints costs
// Qt a walk over its siblings. The hold ends when no timer of the host runs any more (the
// layout has settled), or after kMaxHoldMs at the latest (a form's own timer may run on); the
// window is then painted once.
class QWidget;

namespace kv::qt {

class QtPaintHold {
  public:
    static constexpr int kMaxHoldMs = 50;
    // Hold `window`'s painting (nothing when the application holds it already).
    static void hold(QWidget& window);
    // The host's running timers now: none, and the window paints.
    static void settled(int running_timers);
    static void release();
    static bool holding();
    // Whether `widget` is the window held (its painting comes back with the hold's end).
    static bool holds(const QWidget* widget);
};

}  // namespace kv::qt
