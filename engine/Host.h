#pragma once
// The platform services of the forms host and the window system: message boxes, timers, the
// window-update lock, window properties and procedures, mouse capture, the per-user settings
// store and GUIDs. One host serves the whole process (Host::current()).
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/HostObject.h"
#include "engine/PageHost.h"

namespace kv {

// Message box buttons, icons and answers (the host's constants).
enum MsgBoxStyle : int {
    kOKOnly = 0,
    kOKCancel = 1,
    kAbortRetryIgnore = 2,
    kYesNoCancel = 3,
    kYesNo = 4,
    kRetryCancel = 5,
    kCritical = 16,
    kQuestion = 32,
    kExclamation = 48,
    kInformation = 64,
};
enum MsgBoxResult : int {
    kOK = 1,
    kCancel = 2,
    kAbort = 3,
    kRetry = 4,
    kIgnore = 5,
    kYes = 6,
    kNo = 7
};

// A window procedure, as the window system calls it.
using WindowProc = intptr_t (*)(WindowHandle hwnd, uint32_t msg, intptr_t wparam, intptr_t lparam);

inline constexpr uint32_t kWmGetMinMaxInfo = 36;

struct WinPoint {
    int32_t x = 0;
    int32_t y = 0;
};
// The tracking-limits structure of message 36 (40 bytes), in pixels.
struct MinMaxInfo {
    WinPoint reserved, max_size, max_position, min_track_size, max_track_size;
};
static_assert(sizeof(MinMaxInfo) == 40);

// A repeating timer; ticks are delivered by the host's message loop while it is enabled.
class Timer {
  public:
    virtual ~Timer() = default;
    virtual void set_interval(int milliseconds) = 0;
    virtual void set_enabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
};

// The per-user hierarchical settings store (the registry's semantics: key paths separated by
// "\", key and value names compared case-insensitively, text values, "" value name = the key's
// default value).
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // nullopt when the key or the value does not exist or cannot be read.
    virtual std::optional<std::string> read(uint32_t root, const std::string& key_path,
                                            const std::string& value_name) = 0;
    // Creates the key path as needed; false when the value could not be written.
    virtual bool write(uint32_t root, const std::string& key_path, const std::string& value_name,
                       const std::string& value) = 0;
    // Reads and writes that belong together (a form's placement, its splits): between
    // begin_group and end_group a store that can makes them one change, all or nothing, that no
    // other program sees half done. Groups nest; the outermost end decides. end_group answers
    // false when the group's writes were not kept.
    virtual void begin_group() {}
    virtual bool end_group() { return true; }
};

// A screen's work area (without task bars), in twips on the virtual desktop.
struct ScreenArea {
    double left = 0, top = 0, width = 0, height = 0;
};

class Host {
  public:
    virtual ~Host() = default;

    // The process's host. set_current(nullptr) leaves none (current() then throws).
    static Host& current();
    static void set_current(std::shared_ptr<Host> host);
    static bool has_current();

    // Message boxes: buttons + icon from MsgBoxStyle, an empty title means the host's default.
    virtual int msg_box(const std::string& text, int style, const std::string& title) = 0;

    virtual double twips_per_pixel_x() = 0;
    virtual double twips_per_pixel_y() = 0;
    virtual std::string product_name() = 0;  // App.ProductName
    virtual std::string exe_name() = 0;      // App.EXEName
    // Is the program running under the designer (the development environment)?
    virtual bool running_under_designer() = 0;
    // Open a document or address with the desktop's handler (the home page link).
    virtual void open_url(const std::string& url) = 0;

    virtual std::unique_ptr<Timer> create_timer(std::function<void()> on_tick) = 0;

    // The per-process window-update lock: one window at a time; lock(0) releases.
    virtual bool lock_window_update(WindowHandle hwnd) = 0;

    // Window system.
    virtual bool is_window(WindowHandle hwnd) = 0;
    virtual uint32_t window_process_id(WindowHandle hwnd) = 0;
    virtual uint32_t current_process_id() = 0;
    virtual intptr_t get_prop(WindowHandle hwnd, const std::string& name) = 0;  // 0 when absent
    virtual bool set_prop(WindowHandle hwnd, const std::string& name, intptr_t value) = 0;
    virtual intptr_t remove_prop(WindowHandle hwnd, const std::string& name) = 0;
    // Replace the window procedure; returns the previous one (nullptr on failure).
    virtual WindowProc set_window_proc(WindowHandle hwnd, WindowProc proc) = 0;
    virtual intptr_t call_window_proc(WindowProc proc, WindowHandle hwnd, uint32_t msg,
                                      intptr_t wparam, intptr_t lparam) = 0;
    virtual WindowHandle get_capture() = 0;
    virtual void set_capture(WindowHandle hwnd) = 0;
    virtual void release_capture() = 0;

    // The screens as they are now, the primary screen first; empty when the host cannot tell.
    virtual std::vector<ScreenArea> screens() { return {}; }

    virtual SettingsStore& settings_store() = 0;
    // A new random GUID (16 bytes, in the platform's GUID byte layout).
    virtual std::array<uint8_t, 16> create_guid() = 0;

    // A procedure of the system trapped an error that it does not show (a compiled program shows
    // its developer's errors only in the designer): the host may keep it for its user. The
    // default does nothing.
    virtual void error_not_shown(const std::string& procedure, int32_t number,
                                 const std::string& description);

    // Property pages and the desktop services (PageHost.h). The default raises error 438: the
    // host has none.
    virtual PageHost& page_host();
};

}  // namespace kv
