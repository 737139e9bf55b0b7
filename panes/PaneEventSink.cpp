#include "panes/PaneEventSink.h"

#include "panes/CPanes.h"

namespace kv {

void PaneEventSink::on_mouse_down(int, int, float x, float y) {
    pane_.Container_MouseDown(x, y);
}

void PaneEventSink::on_mouse_move(int, int, float x, float y) {
    pane_.Container_MouseMove(x, y);
}

void PaneEventSink::on_mouse_up(int, int, float, float) {
    pane_.Container_MouseUp();
}

void PaneEventSink::on_key_down(int, int) {
    if (forward_keys_) pane_.Container_KeyDown();
}

}  // namespace kv
