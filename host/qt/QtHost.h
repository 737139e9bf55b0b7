#pragma once
// The Qt host: the forms runtime shown in real Qt 6 widgets.
//
// Forms and controls keep their geometry in twips with the forms runtime's rules (shared with
// the memory host, so that both hosts lay a form out alike); each form gets a top-level window
// (QtFormWindow) whose widgets follow it after every event. What the user does to a window comes
// back as the form's events: a border drag (stopped by the window at the limits that message 36
// answered), minimise, maximise, close, mouse and keys. Timers are QTimers, message boxes
// QMessageBoxes, the update lock setUpdatesEnabled once widgets move under it, mouse capture
// grabMouse; twips per pixel come from the primary screen's logical DPI, the screens from
// QGuiApplication. A QApplication must exist before the host is made.
#include <QPointer>
#include <memory>
#include <unordered_map>

#include "host/memory/MemoryHost.h"
#include "host/qt/QtWidgetAdoption.h"

class QWidget;

namespace kv::qt {

class QtFormWindow;

class QtHost : public mem::MemoryHost {
  public:
    // A new host, made the process's Host::current().
    static std::shared_ptr<QtHost> install();
    // The installed Qt host (error 91 when the current host is not one).
    static QtHost& installed();

    QtHost();
    ~QtHost() override;

    // The form's window, made on first use.
    QtFormWindow& window(const std::shared_ptr<mem::MemoryForm>& form);
    QtFormWindow* find_window(const mem::MemoryForm* form) const;
    // Load and show the form in its window.
    void show(const std::shared_ptr<mem::MemoryForm>& form);
    // A form for a window the application built itself, its child widgets as its controls
    // (QtWidgetAdoption.h). The window stays the application's; show() starts the form's life.
    std::shared_ptr<mem::MemoryForm> adopt(QWidget& window, const WidgetNames& kept = {});
    // Bring every window up to its form (windows of closed forms go).
    void sync();
    // Run the event loop until no timer is running, at most `max_ms` milliseconds.
    void settle(int max_ms = 2000);
    // Interactive: message boxes are real dialogs (on a platform nobody sees, offscreen or
    // minimal, their text goes to stderr instead). Otherwise (the default) they are answered
    // as on the memory host (a scripted answer or the first button) and recorded.
    void set_interactive(bool v) { interactive_ = v; }
    bool interactive() const { return interactive_; }
    // Read the screens and their DPI again (after a screen came or went).
    void read_screens();

    void count_timer(int delta) { running_timers_ += delta; }
    int running_timers() const { return running_timers_; }

    // --- Host ---
    int msg_box(const std::string& text, int style, const std::string& title) override;
    std::unique_ptr<Timer> create_timer(std::function<void()> on_tick) override;
    bool lock_window_update(WindowHandle hwnd) override;
    WindowProc set_window_proc(WindowHandle hwnd, WindowProc proc) override;
    void set_capture(WindowHandle hwnd) override;
    void release_capture() override;
    // --- PageHost (QtHostPages.cpp) ---
    // The pages in a QtPageDialog, shown without waiting; it goes when it is closed.
    void show_property_pages(const ObjectRef& control) override;
    // Kept as on the memory host; shown as a real box while interactive.
    void show_about(const AboutBox& box) override;

  private:
    QWidget* widget_of(WindowHandle hwnd) const;
    void forget_closed();

    std::unordered_map<const mem::MemoryForm*, QPointer<QtFormWindow>> windows_;
    std::unordered_map<const mem::MemoryForm*, std::weak_ptr<mem::MemoryForm>> forms_;
    QPointer<QWidget> locked_;     // the widget the form's update lock names
    QPointer<QWidget> lock_held_;  // the one whose painting it holds (a sync ran under it)
    QPointer<QWidget> grabbed_;
    int running_timers_ = 0;
    bool interactive_ = false;
    bool syncing_ = false;
};

}  // namespace kv::qt
