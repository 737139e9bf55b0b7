#pragma once
// The memory host: the reference forms runtime and window system. Tests, the command-line tool
// and the previews install one (MemoryHost::install()) and build forms on it.
//
// Message boxes are recorded and answered from a script (push_answer); without a scripted
// answer a box answers the first button of its set (OK, OK, Abort, Yes, Yes, Retry).
// Timers run from a virtual-time message loop (run_idle, pump), see MemoryTimer.h.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/Host.h"
#include "engine/UserControl.h"
#include "host/memory/MemoryControlCollection.h"
#include "host/memory/MemoryControlSite.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryPropertyBag.h"
#include "host/memory/MemoryTimer.h"
#include "host/memory/WindowTable.h"

namespace kv::mem {

struct MessageRecord {
    std::string text;
    int style = 0;      // buttons + icon, as passed
    std::string title;  // as passed ("" = the host's default)
    int answer = 0;     // what the box answered
};

// An error the system trapped and did not show (Host::error_not_shown).
struct TrappedError {
    std::string procedure;
    int32_t number = 0;
    std::string description;
};

class MemoryPageDialog;

class MemoryHost : public Host, public PageHost, public std::enable_shared_from_this<MemoryHost> {
  public:
    // A new host, made the process's Host::current() (replacing any previous one).
    static std::shared_ptr<MemoryHost> install();
    // The installed memory host (error 91 when the current host is not a memory host).
    static MemoryHost& installed();

    MemoryHost();
    ~MemoryHost() override;

    // --- forms ---
    // An MDIChild form goes into the host's MDI parent form (error 366 when there is none).
    std::shared_ptr<MemoryForm> create_form(std::string name, FormKind kind = FormKind::Form);
    // Open forms in creation order (closed forms leave the list).
    const std::vector<std::shared_ptr<MemoryForm>>& forms() const { return forms_; }
    std::shared_ptr<MemoryForm> find_form(std::string_view name) const;
    std::shared_ptr<MemoryForm> mdi_form() const;

    // --- user controls ---
    using UserControlFactory = std::function<std::shared_ptr<UserControl>()>;
    // `class_id` is "Library.Class"; the extender's type name is the class part.
    void register_user_control(std::string class_id, UserControlFactory factory);
    bool has_user_control(std::string_view class_id) const;
    std::shared_ptr<UserControl> make_user_control(std::string_view class_id) const;
    // Further control classes that have Align (tool and status bars of other libraries).
    void set_class_aligns(std::string class_name, bool aligns);
    bool class_aligns(std::string_view class_name) const;
    // The whole shape of a class of another library (Align, container, invisible at run time).
    void set_foreign_class(std::string class_name, const ForeignClass& shape);
    ForeignClass foreign_class(std::string_view class_name) const;

    // --- message boxes ---
    const std::vector<MessageRecord>& messages() const { return messages_; }
    void clear_messages() { messages_.clear(); }
    const std::vector<TrappedError>& trapped_errors() const { return trapped_; }
    void push_answer(int answer) { answers_.push_back(answer); }
    size_t pending_answers() const { return answers_.size(); }

    // --- settings ---
    void set_twips_per_pixel(double x, double y);
    // The screens' work areas in pixels, the primary first (default: one 1920 x 1080 screen).
    // A maximised form fills the primary screen; a form's StartUpPosition centres on it.
    struct PixelRect {
        int left = 0, top = 0, width = 0, height = 0;
    };
    void set_screens(std::vector<PixelRect> screens);
    const std::vector<PixelRect>& screen_pixels() const { return screens_; }
    void set_running_under_designer(bool v) { under_designer_ = v; }
    // Ambient user mode of user controls: true = run mode (default), false = design mode.
    void set_user_mode(bool v) { user_mode_ = v; }
    bool user_mode() const { return user_mode_; }
    void set_product_name(std::string v) { product_name_ = std::move(v); }
    void set_exe_name(std::string v) { exe_name_ = std::move(v); }
    void set_settings_store(std::shared_ptr<SettingsStore> store) { store_ = std::move(store); }
    const std::vector<std::string>& opened_urls() const { return opened_urls_; }
    // Per-object write logs (MemoryObject::write_log), on by default for tests that count
    // writes; long runs and benchmarks switch them off.
    void set_write_log_enabled(bool v) { write_log_enabled_ = v; }
    bool write_log_enabled() const { return write_log_enabled_; }

    // --- property pages and desktop services ---
    // The dialog on a control (show_property_pages keeps it as open_dialog()).
    std::shared_ptr<MemoryPageDialog> open_property_pages(const ObjectRef& control);
    std::shared_ptr<MemoryPageDialog> open_dialog() const { return dialog_; }
    // Documents opened and programs started, in call order. Nothing is launched for real unless
    // set_launch(true) (the command-line tool): then documents go to the desktop's opener
    // ("xdg-open") and programs are started.
    const std::vector<std::string>& opened_documents() const { return opened_documents_; }
    const std::vector<std::vector<std::string>>& started_programs() const { return started_; }
    void set_launch(bool v) { launch_ = v; }
    // The program that opens documents when launching ("xdg-open" by default).
    void set_document_opener(std::string program) { opener_ = std::move(program); }
    // Without launching, start_program answers false for these programs.
    void set_program_missing(std::string program) { missing_programs_.insert(std::move(program)); }
    // Replaces $TMPDIR (else /tmp) as the temporary folder; "" goes back to those.
    void set_temp_folder(std::string folder) { temp_folder_ = std::move(folder); }
    // The code page's language (default: the forms runtime's).
    void set_code_language(CodeLanguage language) { code_language_ = language; }
    // The help folder (default: share/kelvane/help beside the program, installed_help_folder).
    void set_help_folder(std::string folder) { help_folder_ = std::move(folder); }
    // About boxes shown, in order; the hand presses the latest one's "System Info..." button.
    const std::vector<AboutBox>& about_boxes() const { return about_boxes_; }
    void press_about_system_info();

    // --- message loop ---
    int run_idle();
    // run_idle until no timer is enabled or `max_rounds` rounds ran; returns the ticks run.
    int pump(int max_rounds = 1000);
    TimerQueue& timers() { return *timers_; }

    // --- window system ---
    WindowTable& windows() { return windows_; }
    WindowHandle locked_window() const { return windows_.locked_window(); }
    int lock_calls() const { return windows_.lock_calls(); }
    int unlock_calls() const { return windows_.unlock_calls(); }
    // Mark a window as belonging to another process.
    bool set_window_process(WindowHandle hwnd, uint32_t pid) {
        return windows_.set_process_id(hwnd, pid);
    }

    // --- Host ---
    int msg_box(const std::string& text, int style, const std::string& title) override;
    double twips_per_pixel_x() final { return tpp_x_; }
    double twips_per_pixel_y() final { return tpp_y_; }
    std::string product_name() override { return product_name_; }
    std::string exe_name() override { return exe_name_; }
    bool running_under_designer() override { return under_designer_; }
    void open_url(const std::string& url) override { opened_urls_.push_back(url); }
    std::unique_ptr<Timer> create_timer(std::function<void()> on_tick) override;
    bool lock_window_update(WindowHandle hwnd) override;
    bool is_window(WindowHandle hwnd) override { return windows_.is_window(hwnd); }
    uint32_t window_process_id(WindowHandle hwnd) override;
    uint32_t current_process_id() override { return pid_; }
    intptr_t get_prop(WindowHandle hwnd, const std::string& name) override;
    bool set_prop(WindowHandle hwnd, const std::string& name, intptr_t value) override;
    intptr_t remove_prop(WindowHandle hwnd, const std::string& name) override;
    WindowProc set_window_proc(WindowHandle hwnd, WindowProc proc) override;
    intptr_t call_window_proc(WindowProc proc, WindowHandle hwnd, uint32_t msg, intptr_t wparam,
                              intptr_t lparam) override;
    WindowHandle get_capture() override { return windows_.capture(); }
    void set_capture(WindowHandle hwnd) override { windows_.set_capture(hwnd); }
    void release_capture() override { windows_.release_capture(); }
    std::vector<ScreenArea> screens() override;
    SettingsStore& settings_store() override;
    std::array<uint8_t, 16> create_guid() override;
    void error_not_shown(const std::string& procedure, int32_t number,
                         const std::string& description) override {
        trapped_.push_back({procedure, number, description});
    }
    PageHost& page_host() override { return *this; }

    // --- PageHost ---
    void show_property_pages(const ObjectRef& control) override;
    void open_document(const std::string& path) override;
    bool start_program(const std::vector<std::string>& argv) override;
    std::string temp_folder() override;
    void write_private_file(const std::string& path, const std::string& content) override;
    std::unique_ptr<FormCopy> copy_form(const ObjectRef& form) override;
    // How many copies made by copy_form are still alive (a preview holds one while it shows).
    size_t live_copies() const;
    std::string help_folder() override { return help_folder_; }
    CodeLanguage code_language() override { return code_language_; }
    void show_about(const AboutBox& box) override { about_boxes_.push_back(box); }
    std::string system_facts() override;

  protected:
    // A box that was shown, with the answer it gave.
    void record_message(MessageRecord m) { messages_.push_back(std::move(m)); }

  private:
    friend class MemoryForm;
    void forget_form(const MemoryForm* form);
    static void copy_object_state(const MemoryObject& from, MemoryObject& to);
    // The registered class id ("Library.Class") of a user control's class name, "" when none.
    std::string user_control_class_id(const std::string& class_name) const;

    std::vector<std::shared_ptr<MemoryForm>> forms_;
    std::vector<std::weak_ptr<MemoryForm>> copies_;  // preview copies still alive
    std::vector<std::pair<std::string, UserControlFactory>> user_controls_;
    std::map<std::string, ForeignClass> foreign_classes_;  // by folded class name
    std::vector<MessageRecord> messages_;
    std::vector<TrappedError> trapped_;
    std::deque<int> answers_;
    std::vector<std::string> opened_urls_;
    std::vector<std::string> opened_documents_;
    std::vector<std::vector<std::string>> started_;
    std::set<std::string> missing_programs_;
    std::string temp_folder_;
    std::string help_folder_;
    std::vector<AboutBox> about_boxes_;
    bool launch_ = false;
    CodeLanguage code_language_ = CodeLanguage::Forms;
    std::string opener_ = "xdg-open";
    std::shared_ptr<MemoryPageDialog> dialog_;
    std::shared_ptr<TimerQueue> timers_;
    WindowTable windows_;
    std::shared_ptr<SettingsStore> store_;
    double tpp_x_ = 15, tpp_y_ = 15;
    std::vector<PixelRect> screens_{{0, 0, kScreenWidthPixels, kScreenHeightPixels}};
    bool under_designer_ = false;
    bool user_mode_ = true;
    bool write_log_enabled_ = true;
    std::string product_name_ = "Kelvane Demo";
    std::string exe_name_ = "KelvaneDemo";
    uint32_t pid_;
};

}  // namespace kv::mem
