#include "harness/Session.h"

#include "control/ControlLookup.h"
#include "control/zokKelvane.h"
#include "engine/Numbers.h"
#include "harness/ShownText.h"
#include "harness/UsageError.h"
#include "host/common/OutsidePoint.h"
#include "host/memory/MemoryForm.h"
#include "host/store/MemorySettingsStore.h"
#include "host/store/SqliteSettingsStore.h"

namespace kv::app {

namespace {

class MemoryDriver : public StepDriver {
  public:
    explicit MemoryDriver(mem::MemoryHost& host) : host_(host) {}
    void show(const std::shared_ptr<mem::MemoryForm>& form) override { form->show(); }
    void user_resize(mem::MemoryForm& form, double width, double height) override {
        form.user_resize(width, height);
    }
    void set_state(mem::MemoryForm& form, int state) override { form.set_window_state(state); }
    void drag(mem::MemoryForm& form, mem::MemoryObject& target, double x, double y, double x2,
              double y2) override {
        auto t = target.shared_from_this();
        constexpr int kSteps = 4;
        // The hand comes from off the form: a container that kept the capture after an
        // earlier drag lets go there, so the move onto the start point reaches the target.
        const auto [ox, oy] = host::point_outside(form);
        form.mouse_move(form.shared_from_this(), 0, 0, ox, oy);
        form.mouse_move(t, 0, 0, x, y);
        form.mouse_down(t, 1, 0, x, y);
        for (int i = 1; i <= kSteps; ++i) {
            const double f = static_cast<double>(i) / kSteps;
            form.mouse_move(t, 1, 0, x + (x2 - x) * f, y + (y2 - y) * f);
        }
        form.mouse_up(t, 1, 0, x2, y2);
    }
    bool close(mem::MemoryForm& form) override { return form.close(0); }
    void settle() override { host_.pump(); }

  private:
    mem::MemoryHost& host_;
};

}  // namespace

std::unique_ptr<StepDriver> memory_driver(mem::MemoryHost& host) {
    return std::make_unique<MemoryDriver>(host);
}

Session::Session(const std::string& store_path, bool run_mode,
                 std::shared_ptr<mem::MemoryHost> host, std::unique_ptr<StepDriver> driver) {
    if (host) {
        host_ = std::move(host);
        Host::set_current(host_);
    } else {
        host_ = mem::MemoryHost::install();
    }
    driver_ = driver ? std::move(driver) : memory_driver(*host_);
    host_->set_user_mode(run_mode);
    host_->set_running_under_designer(!run_mode);
    host_->register_user_control(kZokKelvaneClassId, [] { return make_zokKelvane(); });
    if (store_path.empty())
        store_ = std::make_shared<store::MemorySettingsStore>();
    else
        store_ = std::make_shared<store::SqliteSettingsStore>(store_path);
    host_->set_settings_store(store_);
}

Session::~Session() {
    // Forms the run left open (render, check) are taken down without their unload events, so
    // that nothing is saved: their user controls are removed (the resizer terminates and lets
    // go of the form's events), then the forms go with the host, all their controls at once
    // (removing each, every removal looking at all of them, took minutes on a large form).
    // A destructor must not throw: a control that fails to go is left to the host.
    for (const auto& form : std::vector<std::shared_ptr<mem::MemoryForm>>(host_->forms())) {
        std::vector<std::shared_ptr<mem::MemoryObject>> hooked;
        for (const auto& c : form->all_controls())
            if (c->alive() && c->user_control()) hooked.push_back(c);
        for (const auto& c : hooked) {
            try {
                if (c->alive()) form->remove_control(c);
            } catch (const Error&) {
            }
        }
    }
    loaded_ = {};
    Host::set_current(nullptr);
}

frm::LoadedForm& Session::load(const frm::FrmDocument& doc) {
    loaded_ = frm::FrmLoader::load(doc, *host_);
    return loaded_;
}

frm::LoadedForm& Session::load(FormFile& file) {
    loaded_ = file.load(*host_);
    return loaded_;
}

void Session::settle() {
    driver_->settle();
}

void Session::show() {
    driver_->show(loaded_.form);
    settle();
    if (loaded_.window_state != 0) {
        loaded_.form->set_window_state(loaded_.window_state);
        settle();
    }
}

void Session::apply(const Step& step) {
    try {
        apply_step(step);
    } catch (const Error& e) {
        // The host refused what the step asked: name the step, not just the error.
        throw UsageError(step.given + ": error " + std::to_string(e.number()) + ": " +
                         e.description());
    }
    settle();
}

void Session::apply_step(const Step& step) {
    auto& form = *loaded_.form;
    if (step.kind == Step::Size || step.kind == Step::UserSize) {
        // The forms runtime refuses to size a minimised or maximised window.
        const auto state = to_double(form.get(Prop::WindowState));
        if (state == 1 || state == 2)
            throw UsageError(step.given + ": the form is " +
                             (state == 1 ? "minimised" : "maximised") +
                             " and cannot be resized; give --state normal before it");
    }
    switch (step.kind) {
        case Step::Size:
            form.move(to_double(form.get(Prop::Left)), to_double(form.get(Prop::Top)), step.width,
                      step.height);
            break;
        case Step::UserSize:
            driver_->user_resize(form, step.width, step.height);
            break;
        case Step::State:
            driver_->set_state(form, step.state);
            break;
        case Step::Drag: {
            ObjectRef target = loaded_.form;
            if (!step.container.empty()) {
                target = find_control_by_key(loaded_.form, step.container);
                if (!target)
                    throw UsageError("--drag: no control '" + step.container + "' on the form");
            }
            driver_->drag(form, dynamic_cast<mem::MemoryObject&>(*target), step.x, step.y, step.x2,
                          step.y2);
            break;
        }
    }
}

bool Session::close() {
    const bool gone = driver_->close(*loaded_.form);
    settle();
    return gone;
}

int report_unsaved(Session& session, const std::string& command, std::ostream& err) {
    const std::string lost = session.store().lost_writes();
    if (lost.empty()) return 0;
    err << "kelvane " << command
        << ": the form's placement was not saved in the store: " << shown(lost) << "\n";
    return 2;
}

std::string buttons_name(int style) {
    static const char* names[] = {"OKOnly",      "OKCancel", "AbortRetryIgnore",
                                  "YesNoCancel", "YesNo",    "RetryCancel"};
    const int b = style & 7;
    return b < 6 ? names[b] : std::to_string(b);
}

std::string icon_name(int style) {
    switch (style & 0x70) {
        case kCritical:
            return "Critical";
        case kQuestion:
            return "Question";
        case kExclamation:
            return "Exclamation";
        case kInformation:
            return "Information";
        default:
            return "";
    }
}

}  // namespace kv::app
