#pragma once
// Forwards a pane container's mouse and key events to its pane. Button, Shift and KeyCode are
// not looked at: any button starts a drag and any key ends it.
#include "engine/HostObject.h"

namespace kv {

class CPanes;

class PaneEventSink : public EventSink {
  public:
    // `forward_keys`: forms and picture boxes forward KeyDown, frames do not.
    PaneEventSink(CPanes& pane, bool forward_keys) : pane_(pane), forward_keys_(forward_keys) {}

    void on_mouse_down(int button, int shift, float x, float y) override;
    void on_mouse_move(int button, int shift, float x, float y) override;
    void on_mouse_up(int button, int shift, float x, float y) override;
    void on_key_down(int key_code, int shift) override;

  private:
    CPanes& pane_;
    bool forward_keys_;
};

}  // namespace kv
