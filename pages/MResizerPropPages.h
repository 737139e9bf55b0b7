#pragma once
// What the property pages share: one edit state for all open pages (filled by the controls and
// panes pages, read by the code page, written back to the control on apply), the change test,
// and the report every page event runs under.
#include <functional>
#include <string>
#include <utility>

#include "control/ErrorReport.h"
#include "engine/Error.h"

namespace kv {

class zokKelvane;

struct PageEditState {
    std::string stored_control_settings, stored_pane_settings;
    bool stored_add_all = false, stored_add_all_fonts = false;
    std::string edited_control_settings, edited_pane_settings;
    bool edited_add_all = false, edited_add_all_fonts = false;
};

// The one edit state of the open pages.
PageEditState& page_state();
// The pages of a dialog on `control` share the state: the first page loaded for a control fills
// it from the control (stored and edited alike); the last one to go lets it go.
void page_state_attach(const zokKelvane& control);
void page_state_detach();

// Does the edited state differ from the stored one (texts compared exactly)?
bool page_state_changed();
// Write the edited PaneSettings to the control; it becomes the stored value.
void apply_panes(zokKelvane& control);
// Write the edited ControlSettings, AddAllControls and AddAllFontsButtons, in that order.
void apply_controls(zokKelvane& control);

// A page that follows the applied PaneSettings (the controls page's preview) is told after each
// apply_panes, until it stops listening.
void listen_for_panes_applied(const void* listener, std::function<void()> told);
void stop_listening_for_panes(const void* listener);

// Where the page error report's Yes leads.
inline constexpr const char* kSupportPage = "https://www.quillon.example/kelvane/support/";

// "Error in property page at PROC" CR LF CR LF description " (" number ")" ... with Yes and No;
// Yes opens the support page.
std::string page_error_text(const std::string& proc, const Error& error);
void page_error_report(const std::string& proc, const Error& error);

// Runs a page event under the page error report; the event is abandoned on an error.
template <class Body>
void page_event(const std::string& proc, Body&& body) {
    run_trapped([&proc](const Error& e) { page_error_report(proc, e); }, std::forward<Body>(body));
}

}  // namespace kv
