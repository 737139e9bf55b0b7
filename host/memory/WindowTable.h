#pragma once
// The window system of the memory host: window handles of forms and windowed controls, their
// window properties (names case-insensitive), window procedures, owning process, mouse capture
// and the window-update lock.
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "engine/Host.h"

namespace kv::mem {

class MemoryObject;

class WindowTable {
  public:
    // A new window for `object`, owned by process `pid`, with the default window procedure.
    WindowHandle create(const std::shared_ptr<MemoryObject>& object, uint32_t pid);
    // The window is gone: its properties, procedure and any capture or lock on it.
    void destroy(WindowHandle hwnd);

    bool is_window(WindowHandle hwnd) const;
    std::shared_ptr<MemoryObject> object(WindowHandle hwnd) const;
    uint32_t process_id(WindowHandle hwnd) const;  // 0 when not a window
    bool set_process_id(WindowHandle hwnd, uint32_t pid);

    intptr_t get_prop(WindowHandle hwnd, const std::string& name) const;
    bool set_prop(WindowHandle hwnd, const std::string& name, intptr_t value);
    intptr_t remove_prop(WindowHandle hwnd, const std::string& name);
    size_t prop_count(WindowHandle hwnd) const;

    WindowProc window_proc(WindowHandle hwnd) const;  // nullptr when not a window
    // Replaces the procedure of a window of process `caller_pid`; nullptr when the window does
    // not exist or belongs to another process.
    WindowProc set_window_proc(WindowHandle hwnd, WindowProc proc, uint32_t caller_pid);
    // Send a message through the window's current procedure (0 when not a window).
    intptr_t send(WindowHandle hwnd, uint32_t msg, intptr_t wparam, intptr_t lparam) const;

    // The procedure every window starts with: handles nothing, answers 0.
    static intptr_t default_window_proc(WindowHandle hwnd, uint32_t msg, intptr_t wparam,
                                        intptr_t lparam);

    WindowHandle capture() const { return capture_; }
    void set_capture(WindowHandle hwnd);
    void release_capture() { capture_ = 0; }

    // lock(hwnd): false when another window is locked or hwnd is not a window; lock(0) releases.
    bool lock_update(WindowHandle hwnd);
    WindowHandle locked_window() const { return locked_; }
    int lock_calls() const { return lock_calls_; }
    int unlock_calls() const { return unlock_calls_; }
    void reset_lock_counts() { lock_calls_ = unlock_calls_ = 0; }

  private:
    struct Window {
        std::weak_ptr<MemoryObject> object;
        uint32_t pid = 0;
        WindowProc proc = nullptr;
        std::map<std::string, intptr_t> props;  // by lower-case name
    };
    const Window* find(WindowHandle hwnd) const;
    Window* find(WindowHandle hwnd);

    std::map<WindowHandle, Window> windows_;
    WindowHandle next_handle_ = 0x10010;
    WindowHandle capture_ = 0;
    WindowHandle locked_ = 0;
    int lock_calls_ = 0;
    int unlock_calls_ = 0;
};

}  // namespace kv::mem
