#pragma once
// A window's painting held while a border drag's resize event works its way through its form:
// the pass, then the widgets moved. Every visible widget moved while its window paints costs Qt
// a walk over its siblings; held, the window is painted once when the event is done. A settle
// tick that follows moves only what the pass left to it, and paints only that.
class QWidget;

namespace kv::qt {

class QtPaintHold {
  public:
    // Holds `window`'s painting for the hold's life (nothing when something holds it already).
    explicit QtPaintHold(QWidget& window);
    ~QtPaintHold();
    QtPaintHold(const QtPaintHold&) = delete;
    QtPaintHold& operator=(const QtPaintHold&) = delete;

    // Whether `widget` is a window held (its painting comes back with the hold's end).
    static bool holds(const QWidget* widget);
    // The window whose painting the form's update lock holds now (nullptr: none): a hold that
    // ends meanwhile leaves its painting to the lock's end.
    static void set_locked(QWidget* window);
};

}  // namespace kv::qt
