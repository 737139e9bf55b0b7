#include "pages/MResizerPropPages.h"

#include <vector>

#include "control/zokKelvane.h"
#include "engine/Host.h"

namespace kv {

PageEditState& page_state() {
    static PageEditState state;
    return state;
}

namespace {
const zokKelvane* g_owner = nullptr;

std::vector<std::pair<const void*, std::function<void()>>>& panes_listeners() {
    static std::vector<std::pair<const void*, std::function<void()>>> listeners;
    return listeners;
}
}  // namespace

void listen_for_panes_applied(const void* listener, std::function<void()> told) {
    stop_listening_for_panes(listener);
    panes_listeners().emplace_back(listener, std::move(told));
}

void stop_listening_for_panes(const void* listener) {
    std::erase_if(panes_listeners(), [listener](const auto& l) { return l.first == listener; });
}

void page_state_attach(const zokKelvane& control) {
    if (g_owner == &control) return;
    g_owner = &control;
    PageEditState& s = page_state();
    s.stored_control_settings = s.edited_control_settings = control.ControlSettings();
    s.stored_pane_settings = s.edited_pane_settings = control.PaneSettings();
    s.stored_add_all = s.edited_add_all = control.AddAllControls();
    s.stored_add_all_fonts = s.edited_add_all_fonts = control.AddAllFontsButtons();
}

void page_state_detach() {
    g_owner = nullptr;
}

bool page_state_changed() {
    const PageEditState& s = page_state();
    return s.edited_pane_settings != s.stored_pane_settings ||
           s.edited_control_settings != s.stored_control_settings ||
           s.edited_add_all_fonts != s.stored_add_all_fonts || s.edited_add_all != s.stored_add_all;
}

void apply_panes(zokKelvane& control) {
    PageEditState& s = page_state();
    control.PaneSettings(s.edited_pane_settings);
    s.stored_pane_settings = s.edited_pane_settings;
    const auto listeners = panes_listeners();  // a listener may stop listening when told
    for (const auto& [listener, told] : listeners) told();
}

void apply_controls(zokKelvane& control) {
    PageEditState& s = page_state();
    control.ControlSettings(s.edited_control_settings);
    s.stored_control_settings = s.edited_control_settings;
    control.AddAllControls(s.edited_add_all);
    s.stored_add_all = s.edited_add_all;
    control.AddAllFontsButtons(s.edited_add_all_fonts);
    s.stored_add_all_fonts = s.edited_add_all_fonts;
}

std::string page_error_text(const std::string& proc, const Error& error) {
    return "Error in property page at " + proc + "\r\n\r\n" + error.description() + " (" +
           std::to_string(error.number()) + ")" + "\r\n\r\n" +
           "Please go to the support page and submit this problem" + " if it is not known." +
           " Do you want to go to the support page now?";
}

void page_error_report(const std::string& proc, const Error& error) {
    Host& host = Host::current();
    if (host.msg_box(page_error_text(proc, error), kYesNo + kCritical, "") == kYes)
        host.open_url(kSupportPage);
}

}  // namespace kv
