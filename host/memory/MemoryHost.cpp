#include "host/memory/MemoryHost.h"

#include <algorithm>

#include <unistd.h>
#include <uuid/uuid.h>

#include "engine/Error.h"
#include "host/memory/CommonNames.h"
#include "host/memory/DesktopServices.h"
#include "host/memory/MemoryPageDialog.h"
#include "host/store/MemorySettingsStore.h"

namespace kv::mem {

namespace {
// The answer of a box nobody scripted: the first button of its set.
int first_button(int style) {
    switch (style & 7) {
        case kAbortRetryIgnore:
            return kAbort;
        case kYesNoCancel:
        case kYesNo:
            return kYes;
        case kRetryCancel:
            return kRetry;
        default:
            return kOK;
    }
}
}  // namespace

std::shared_ptr<MemoryHost> MemoryHost::install() {
    auto host = std::make_shared<MemoryHost>();
    Host::set_current(host);
    return host;
}

MemoryHost& MemoryHost::installed() {
    auto* h = dynamic_cast<MemoryHost*>(&Host::current());
    if (!h) throw Error::standard(kErrObjectNotSet);
    return *h;
}

MemoryHost::MemoryHost()
    : timers_(std::make_shared<TimerQueue>()),
      store_(std::make_shared<store::MemorySettingsStore>()),
      pid_(static_cast<uint32_t>(::getpid())) {
    help_folder_ = installed_help_folder();
}

MemoryHost::~MemoryHost() {
    dialog_.reset();  // its pages end before the forms they look at
    for (const auto& weak : copies_)
        if (const auto copy = weak.lock()) {
            try {
                copy->destroy(true);
            } catch (const Error&) {
                // As below: the copy is dead anyway.
            }
        }
    // Forms still open end here: their user controls hold the forms they sit on (through their
    // sizers), so nothing else would ever free them. MDI children go before their parent.
    auto open = forms_;
    std::stable_partition(open.begin(), open.end(),
                          [](const auto& f) { return f->kind() == FormKind::MDIChild; });
    for (const auto& f : open) {
        try {
            f->destroy(true);
        } catch (const Error&) {
            // Terminate code that fails cannot stop the host going; the form is dead anyway.
        }
    }
    forms_.clear();
}

// --- forms ---

std::shared_ptr<MemoryForm> MemoryHost::create_form(std::string name, FormKind kind) {
    std::shared_ptr<MemoryForm> parent;
    if (kind == FormKind::MDIChild) {
        parent = mdi_form();
        if (!parent) throw Error(366, "No MDI form available to load");
    }
    auto form = std::make_shared<MemoryForm>(weak_from_this(), std::move(name), kind);
    form->mdi_parent_ = parent;
    form->hwnd_ = windows_.create(form, pid_);
    forms_.push_back(form);
    return form;
}

std::shared_ptr<MemoryForm> MemoryHost::find_form(std::string_view name) const {
    for (const auto& f : forms_)
        if (iequal(f->name(), name)) return f;
    return nullptr;
}

std::shared_ptr<MemoryForm> MemoryHost::mdi_form() const {
    for (const auto& f : forms_)
        if (f->kind() == FormKind::MDIForm) return f;
    return nullptr;
}

void MemoryHost::forget_form(const MemoryForm* form) {
    std::erase_if(forms_, [form](const auto& f) { return f.get() == form; });
}

// --- user controls ---

void MemoryHost::register_user_control(std::string class_id, UserControlFactory factory) {
    for (auto& [id, f] : user_controls_)
        if (iequal(id, class_id)) {
            f = std::move(factory);
            return;
        }
    user_controls_.emplace_back(std::move(class_id), std::move(factory));
}

bool MemoryHost::has_user_control(std::string_view class_id) const {
    for (const auto& [id, f] : user_controls_)
        if (iequal(id, class_id)) return true;
    return false;
}

std::shared_ptr<UserControl> MemoryHost::make_user_control(std::string_view class_id) const {
    for (const auto& [id, f] : user_controls_)
        if (iequal(id, class_id)) return f ? f() : nullptr;
    return nullptr;
}

void MemoryHost::set_class_aligns(std::string class_name, bool aligns) {
    foreign_classes_[fold(class_name)].aligns = aligns;
}

bool MemoryHost::class_aligns(std::string_view class_name) const {
    return foreign_class(class_name).aligns;
}

void MemoryHost::set_foreign_class(std::string class_name, const ForeignClass& shape) {
    foreign_classes_[fold(class_name)] = shape;
}

ForeignClass MemoryHost::foreign_class(std::string_view class_name) const {
    if (foreign_classes_.empty()) return {};  // most runs declare none: no name to fold
    const auto it = foreign_classes_.find(fold(class_name));
    return it == foreign_classes_.end() ? ForeignClass{} : it->second;
}

// --- services ---

int MemoryHost::msg_box(const std::string& text, int style, const std::string& title) {
    int answer = first_button(style);
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    messages_.push_back({text, style, title, answer});
    return answer;
}

void MemoryHost::set_twips_per_pixel(double x, double y) {
    if (!(x > 0) || !(y > 0)) throw Error::standard(kErrInvalidCall);
    tpp_x_ = x;
    tpp_y_ = y;
}

void MemoryHost::set_screens(std::vector<PixelRect> screens) {
    if (screens.empty()) throw Error::standard(kErrInvalidCall);
    for (const auto& s : screens)
        if (s.width <= 0 || s.height <= 0) throw Error::standard(kErrInvalidCall);
    screens_ = std::move(screens);
}

std::vector<ScreenArea> MemoryHost::screens() {
    std::vector<ScreenArea> out;
    for (const auto& s : screens_)
        out.push_back({s.left * tpp_x_, s.top * tpp_y_, s.width * tpp_x_, s.height * tpp_y_});
    return out;
}

int MemoryHost::run_idle() {
    return timers_->run_idle();
}

int MemoryHost::pump(int max_rounds) {
    int ticks = 0;
    for (int i = 0; i < max_rounds && timers_->enabled_count() > 0; ++i) ticks += run_idle();
    return ticks;
}

std::unique_ptr<Timer> MemoryHost::create_timer(std::function<void()> on_tick) {
    return std::make_unique<MemoryTimer>(timers_, std::move(on_tick));
}

bool MemoryHost::lock_window_update(WindowHandle hwnd) {
    return windows_.lock_update(hwnd);
}

uint32_t MemoryHost::window_process_id(WindowHandle hwnd) {
    return windows_.process_id(hwnd);
}

intptr_t MemoryHost::get_prop(WindowHandle hwnd, const std::string& name) {
    return windows_.get_prop(hwnd, name);
}

bool MemoryHost::set_prop(WindowHandle hwnd, const std::string& name, intptr_t value) {
    return windows_.set_prop(hwnd, name, value);
}

intptr_t MemoryHost::remove_prop(WindowHandle hwnd, const std::string& name) {
    return windows_.remove_prop(hwnd, name);
}

WindowProc MemoryHost::set_window_proc(WindowHandle hwnd, WindowProc proc) {
    return windows_.set_window_proc(hwnd, proc, pid_);
}

intptr_t MemoryHost::call_window_proc(WindowProc proc, WindowHandle hwnd, uint32_t msg,
                                      intptr_t wparam, intptr_t lparam) {
    return proc ? proc(hwnd, msg, wparam, lparam) : 0;
}

SettingsStore& MemoryHost::settings_store() {
    if (!store_) throw Error::standard(kErrObjectNotSet);
    return *store_;
}

std::array<uint8_t, 16> MemoryHost::create_guid() {
    uuid_t u;
    uuid_generate(u);
    // libuuid gives the big-endian text order; the platform's GUID keeps its first three fields
    // little-endian.
    std::array<uint8_t, 16> g{};
    const int order[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    for (int i = 0; i < 16; ++i) g[i] = u[order[i]];
    return g;
}

}  // namespace kv::mem
