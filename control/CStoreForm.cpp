#include "control/CStoreForm.h"

#include "control/ScreenFit.h"

#include "engine/Error.h"
#include "engine/HostAccess.h"
#include "engine/Numbers.h"

namespace kv {
namespace {

// A form's single-precision property as the host writes it ("1234", "1234.5").
std::string single_text(HostObject& form, Prop p) {
    return number_to_text(static_cast<float>(num(form, p)));
}

// Runs one restore step; a host or conversion error skips it.
template <typename F>
void step(F&& f) {
    try {
        f();
    } catch (const Error&) {
    }
}

}  // namespace

void CStoreForm::Company(const std::string& company) {
    if (company.find_first_not_of(' ') != std::string::npos) m_oReg.Company(company);
}

void CStoreForm::AppName(const std::string& app_name) {
    if (app_name.find_first_not_of(' ') != std::string::npos) m_oReg.AppName(app_name);
}

std::string CStoreForm::get_opt(const std::string& section, const std::string& key,
                                const std::string& default_value) {
    return m_oReg.GetSetting(section, key, default_value);
}

void CStoreForm::save_opt(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (m_oReg.GetSetting(section, key, "") != value) m_oReg.SaveSetting(section, key, value);
}

bool CStoreForm::SavePos(const ObjectRef& form) {
    if (!form || num(*form, Prop::WindowState) != 0) return false;
    const std::string section = text(*form, Prop::Name);
    save_opt(section, "Left", single_text(*form, Prop::Left));
    save_opt(section, "Top", single_text(*form, Prop::Top));
    return true;
}

bool CStoreForm::SaveSize(const ObjectRef& form) {
    if (!form || num(*form, Prop::WindowState) != 0) return false;
    const std::string section = text(*form, Prop::Name);
    save_opt(section, "Width", single_text(*form, Prop::Width));
    save_opt(section, "Height", single_text(*form, Prop::Height));
    return true;
}

bool CStoreForm::SaveWindowState(const ObjectRef& form, bool bAllowMinimized) {
    if (!form) return false;
    const double state = num(*form, Prop::WindowState);
    if (!bAllowMinimized && state == 1) return false;
    save_opt(text(*form, Prop::Name), "WindowState", number_to_text(state));
    return true;
}

void CStoreForm::GetSizePosState(const ObjectRef& form, bool bRestoreSize, bool bRestorePos,
                                 bool bRestoreState, bool bAllowMinimized) {
    if (!form) return;
    HostObject& f = *form;
    std::string section;
    step([&] { section = text(f, Prop::Name); });

    int32_t left = 0, top = 0, width = 0, height = 0;
    if (bRestorePos) {
        step([&] { left = text_to_int32(get_opt(section, "Left", single_text(f, Prop::Left))); });
        step([&] { top = text_to_int32(get_opt(section, "Top", single_text(f, Prop::Top))); });
    }
    if (bRestoreSize) {
        step(
            [&] { width = text_to_int32(get_opt(section, "Width", single_text(f, Prop::Width))); });
        step([&] {
            height = text_to_int32(get_opt(section, "Height", single_text(f, Prop::Height)));
        });
    }
    step([&] {
        // Put the window on today's screens (a top-level form; an MDI child lives in its parent).
        PlacedRect at{double(left), double(top), double(width), double(height)};
        const bool sized = width != 0 && height != 0;
        if (!sized) at.width = num(f, Prop::Width), at.height = num(f, Prop::Height);
        if (!try_flag(f, Prop::MDIChild).value_or(false)) {
            Host& host = Host::current();
            at = fit_to_screens(at, host.screens(), kTitleBarPixels * host.twips_per_pixel_y());
        }
        if (!sized) {
            f.move(at.left, at.top);
        } else {
            f.move(at.left, at.top, at.width, at.height);
        }
    });

    if (bRestoreState) {
        int16_t state = 0;
        step([&] {
            state = text_to_int16(
                get_opt(section, "WindowState", number_to_text(num(f, Prop::WindowState))));
        });
        if (state != 1 || bAllowMinimized) step([&] { f.set(Prop::WindowState, double(state)); });
    }
}

CStoreForm::WriteGroup::WriteGroup() {
    if (!Host::has_current()) return;
    store_ = &Host::current().settings_store();
    store_->begin_group();
}

CStoreForm::WriteGroup::~WriteGroup() {
    // A store that lost the group has said so itself (its message); nothing to add here.
    if (store_) store_->end_group();
}

}  // namespace kv
