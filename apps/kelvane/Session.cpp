#include "apps/kelvane/Session.h"

#include "apps/kelvane/UsageError.h"
#include "control/ControlLookup.h"
#include "control/zokKelvane.h"
#include "engine/Numbers.h"
#include "host/memory/MemoryForm.h"
#include "host/store/MemorySettingsStore.h"
#include "host/store/SqliteSettingsStore.h"

namespace kv::app {

Session::Session(const std::string& store_path, bool run_mode) {
    host_ = mem::MemoryHost::install();
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
    // that nothing is saved: their controls are removed (the resizer terminates and lets go of
    // the form's events), then the forms go with the host.
    // A destructor must not throw: a control that fails to go is left to the host.
    for (const auto& form : std::vector<std::shared_ptr<mem::MemoryForm>>(host_->forms())) {
        std::vector<std::shared_ptr<mem::MemoryObject>> top;
        for (const auto& c : form->all_controls())
            if (c->alive() && c->container_object().get() == form.get()) top.push_back(c);
        for (const auto& c : top) {
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

void Session::settle() {
    host_->pump();
}

void Session::show() {
    loaded_.form->show();
    settle();
    if (loaded_.window_state != 0) {
        loaded_.form->set_window_state(loaded_.window_state);
        settle();
    }
}

void Session::apply(const Step& step) {
    auto& form = *loaded_.form;
    switch (step.kind) {
        case Step::Size:
            form.move(to_double(form.get(Prop::Left)), to_double(form.get(Prop::Top)), step.width,
                      step.height);
            break;
        case Step::UserSize:
            form.user_resize(step.width, step.height);
            break;
        case Step::State:
            form.set_window_state(step.state);
            break;
        case Step::Drag: {
            ObjectRef target = loaded_.form;
            if (!step.container.empty()) {
                target = find_control_by_key(loaded_.form, step.container);
                if (!target)
                    throw UsageError("--drag: no control '" + step.container + "' on the form");
            }
            constexpr int kSteps = 4;
            form.mouse_move(target, 0, 0, step.x, step.y);
            form.mouse_down(target, 1, 0, step.x, step.y);
            for (int i = 1; i <= kSteps; ++i) {
                const double f = static_cast<double>(i) / kSteps;
                form.mouse_move(target, 1, 0, step.x + (step.x2 - step.x) * f,
                                step.y + (step.y2 - step.y) * f);
            }
            form.mouse_up(target, 1, 0, step.x2, step.y2);
            break;
        }
    }
    settle();
}

bool Session::close() {
    const bool gone = loaded_.form->close(0);
    settle();
    return gone;
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
