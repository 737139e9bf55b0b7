#pragma once
// A developer's hand on the Qt property-pages dialog, as real Qt events (for scripts and tests
// on the offscreen platform): mouse presses and releases on the widgets of the page's controls,
// on the tab bar and on the dialog's buttons, keys to the focused widget, a drag of a picture
// box. Each answers false, sending nothing, when the widget cannot be worked (hidden or
// disabled), as the memory pages' hand does.
#include <Qt>

#include "host/memory/MemoryObject.h"

class QPointF;
class QWidget;
class QPushButton;

namespace kv::qt {

class QtPageDialog;

class QtPageInput {
  public:
    explicit QtPageInput(QtPageDialog& dialog) : dialog_(dialog) {}

    // A click on the tab of page i.
    bool select_page(int i);
    bool click(mem::MemoryObject& control);
    bool dbl_click(mem::MemoryObject& control);
    // The focus moved onto the control (as by Tab, or a click that does nothing else).
    bool focus(mem::MemoryObject& control);
    // An entry of a list (a press on it) or of a combo box (chosen from its list).
    bool click_entry(mem::MemoryObject& list, int index);
    // A key pressed on the focused widget.
    void press_key(int qt_key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Press on the middle of the control, move by (dx, dy) twips in `steps` steps, release.
    bool drag(mem::MemoryObject& control, double dx, double dy, int steps = 4);
    // OK, Cancel or Apply.
    bool press(QPushButton& button);

  private:
    QWidget* workable(mem::MemoryObject& control) const;
    void send_click(QWidget* widget, QPointF at, bool twice = false);

    QtPageDialog& dialog_;
};

}  // namespace kv::qt
