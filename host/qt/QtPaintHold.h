#pragma once
// A window's painting held while a border drag's resize works its way through its form: the
// resize event's pass and the widgets moved. Every visible widget moved while its window paints
// costs Qt a walk over its siblings; held, the window is painted once, as soon as the event loop
// is back, after the settle tick (QtTimer), which moves what the pass left to it first.
class QWidget;

namespace kv::qt {

class QtPaintHold {
  public:
    // Holds `window`'s painting for the hold's life (nothing when a hold is on already, or when
    // the window's painting is held otherwise). Its end asks for the one repaint, which Qt runs
    // when the event loop is back.
    explicit QtPaintHold(QWidget& window);
    ~QtPaintHold();
    QtPaintHold(const QtPaintHold&) = delete;
    QtPaintHold& operator=(const QtPaintHold&) = delete;

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

  private:
    bool mine_ = false;
};

}  // namespace kv::qt
