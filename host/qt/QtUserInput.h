#pragma once
// What a user does to a form's window, delivered as real Qt events (for the tool's steps and
// tests on the offscreen platform): the border dragged to a size (the window's minimum and
// maximum size stop it), the window state changed, a mouse drag in a container, the window
// closed. Each is followed by the host's settle.
#include <memory>

#include "host/memory/MemoryForm.h"

namespace kv::qt {

class QtHost;

class QtUserInput {
  public:
    explicit QtUserInput(QtHost& host) : host_(host) {}
    // The outer size in twips the user drags the border to.
    void resize(mem::MemoryForm& form, double width_twips, double height_twips);
    void set_state(mem::MemoryForm& form, int state);
    // Move onto (x, y), press, move in `steps` steps to (x2, y2), release; coordinates in the
    // target's scale units; the target is the form or a container on it.
    void drag(mem::MemoryForm& form, mem::MemoryObject& target, double x, double y, double x2,
              double y2, int steps = 4);
    void key(mem::MemoryForm& form, mem::MemoryObject& target, int qt_key);
    // True when the form is gone (its unload was not cancelled).
    bool close(mem::MemoryForm& form);

  private:
    QtHost& host_;
};

}  // namespace kv::qt
