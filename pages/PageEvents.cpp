#include "pages/PageEvents.h"

#include "pages/MResizerPropPages.h"

namespace kv {

PageEvents::PageEvents(const ObjectRef& object, std::string name)
    : name_(std::move(name)), connection_(object->hook_events(*this)) {}

PageEvents::~PageEvents() {
    connection_.reset();
}

void PageEvents::run(const char* event, const std::function<void()>& handler) {
    if (handler) page_event(name_ + event, handler);
}

void PageEvents::on_mouse_down(int b, int s, float x, float y) {
    if (mouse_down) run("_MouseDown", [&] { mouse_down(b, s, x, y); });
}

void PageEvents::on_mouse_move(int b, int s, float x, float y) {
    if (mouse_move) run("_MouseMove", [&] { mouse_move(b, s, x, y); });
}

void PageEvents::on_mouse_up(int b, int s, float x, float y) {
    if (mouse_up) run("_MouseUp", [&] { mouse_up(b, s, x, y); });
}

void PageEvents::on_key_down(int key_code, int shift) {
    if (key_down) run("_KeyDown", [&] { key_down(key_code, shift); });
}

}  // namespace kv
