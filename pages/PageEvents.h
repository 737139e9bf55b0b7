#pragma once
// The events of one control of a page, each handled by a function and run under the page error
// report with its procedure name ("cmdAdd_Click"). Hooked until the object is destroyed.
#include <functional>
#include <memory>
#include <string>

#include "engine/HostObject.h"

namespace kv {

class PageEvents : public EventSink {
  public:
    // `name` is the control's name in the procedure names ("optMove" for optMove(3)).
    PageEvents(const ObjectRef& object, std::string name);
    ~PageEvents() override;
    PageEvents(const PageEvents&) = delete;
    PageEvents& operator=(const PageEvents&) = delete;

    std::function<void()> click, dbl_click, change, got_focus, lost_focus;
    std::function<void(int button, int shift, float x, float y)> mouse_down, mouse_move, mouse_up;
    std::function<void(int key_code, int shift)> key_down;

    void on_click() override { run("_Click", click); }
    void on_dbl_click() override { run("_DblClick", dbl_click); }
    void on_change() override { run("_Change", change); }
    void on_got_focus() override { run("_GotFocus", got_focus); }
    void on_lost_focus() override { run("_LostFocus", lost_focus); }
    void on_mouse_down(int b, int s, float x, float y) override;
    void on_mouse_move(int b, int s, float x, float y) override;
    void on_mouse_up(int b, int s, float x, float y) override;
    void on_key_down(int key_code, int shift) override;

  private:
    void run(const char* event, const std::function<void()>& handler);

    std::string name_;
    std::unique_ptr<EventConnection> connection_;
};

}  // namespace kv
