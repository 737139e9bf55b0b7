#include "host/memory/WindowTable.h"

#include <algorithm>
#include <cctype>

#include <utility>
#include "host/memory/CommonNames.h"

namespace kv::mem {

intptr_t WindowTable::default_window_proc(WindowHandle, uint32_t, intptr_t, intptr_t) {
    return 0;
}

WindowHandle WindowTable::create(const std::shared_ptr<MemoryObject>& object, uint32_t pid) {
    WindowHandle h = next_handle_;
    next_handle_ += 4;  // handles are spaced like the platform's, never reused
    Window w;
    w.object = object;
    w.pid = pid;
    w.proc = &default_window_proc;
    windows_.emplace_hint(windows_.end(), h, std::move(w));  // handles only grow
    return h;
}

void WindowTable::destroy(WindowHandle hwnd) {
    windows_.erase(hwnd);
    if (capture_ == hwnd) capture_ = 0;
    if (locked_ == hwnd) locked_ = 0;
}

const WindowTable::Window* WindowTable::find(WindowHandle hwnd) const {
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : &it->second;
}

WindowTable::Window* WindowTable::find(WindowHandle hwnd) {
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : &it->second;
}

bool WindowTable::is_window(WindowHandle hwnd) const {
    return find(hwnd) != nullptr;
}

std::shared_ptr<MemoryObject> WindowTable::object(WindowHandle hwnd) const {
    const Window* w = find(hwnd);
    return w ? w->object.lock() : nullptr;
}

uint32_t WindowTable::process_id(WindowHandle hwnd) const {
    const Window* w = find(hwnd);
    return w ? w->pid : 0;
}

bool WindowTable::set_process_id(WindowHandle hwnd, uint32_t pid) {
    Window* w = find(hwnd);
    if (!w) return false;
    w->pid = pid;
    return true;
}

intptr_t WindowTable::get_prop(WindowHandle hwnd, const std::string& name) const {
    const Window* w = find(hwnd);
    if (!w) return 0;
    auto it = w->props.find(fold(name));
    return it == w->props.end() ? 0 : it->second;
}

bool WindowTable::set_prop(WindowHandle hwnd, const std::string& name, intptr_t value) {
    Window* w = find(hwnd);
    if (!w) return false;
    w->props[fold(name)] = value;
    return true;
}

intptr_t WindowTable::remove_prop(WindowHandle hwnd, const std::string& name) {
    Window* w = find(hwnd);
    if (!w) return 0;
    auto it = w->props.find(fold(name));
    if (it == w->props.end()) return 0;
    intptr_t v = it->second;
    w->props.erase(it);
    return v;
}

size_t WindowTable::prop_count(WindowHandle hwnd) const {
    const Window* w = find(hwnd);
    return w ? w->props.size() : 0;
}

WindowProc WindowTable::window_proc(WindowHandle hwnd) const {
    const Window* w = find(hwnd);
    return w ? w->proc : nullptr;
}

WindowProc WindowTable::set_window_proc(WindowHandle hwnd, WindowProc proc, uint32_t caller_pid) {
    Window* w = find(hwnd);
    if (!w || w->pid != caller_pid || proc == nullptr) return nullptr;
    return std::exchange(w->proc, proc);
}

intptr_t WindowTable::send(WindowHandle hwnd, uint32_t msg, intptr_t wparam,
                           intptr_t lparam) const {
    WindowProc proc = window_proc(hwnd);
    return proc ? proc(hwnd, msg, wparam, lparam) : 0;
}

void WindowTable::set_capture(WindowHandle hwnd) {
    if (is_window(hwnd)) capture_ = hwnd;
}

bool WindowTable::lock_update(WindowHandle hwnd) {
    if (hwnd == 0) {
        ++unlock_calls_;
        bool had = locked_ != 0;
        locked_ = 0;
        return had;
    }
    ++lock_calls_;
    if (!is_window(hwnd) || (locked_ != 0 && locked_ != hwnd)) return false;
    locked_ = hwnd;
    return true;
}

}  // namespace kv::mem
