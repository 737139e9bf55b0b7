#include "pages/ppVisControls.h"

#include <algorithm>
#include <cmath>

#include "control/ControlLookup.h"
#include "control/SettingsStrings.h"
#include "control/zokKelvane.h"
#include "engine/Error.h"
#include "engine/HostAccess.h"
#include "engine/Numbers.h"
#include "engine/SortedList.h"
#include "pages/HelpLauncher.h"
#include "pages/MResizerPropPages.h"
#include "pages/PreviewRules.h"
#include "pages/Shadows.h"
#include "pages/ppVisControlsLayout.h"

namespace kv {

namespace {

constexpr int kKeyDelete = 46;
constexpr int kKeyF1 = 112;
constexpr int kHelpContext = 1020;
constexpr int kMarkers = 4;
constexpr double kPageWidth = 8880, kPageHeight = 5160;

Value number(double v) {
    return Value(v);
}
Value words(const std::string& s) {
    return Value(s);
}

std::string picture_of_choice(int grid) {
    return "anchor" + std::to_string(grid);
}

}  // namespace

ppVisControls::ppVisControls() = default;
ppVisControls::~ppVisControls() {
    PropertyPage_Terminate();
}

zokKelvane& ppVisControls::control() const {
    auto* k = dynamic_cast<zokKelvane*>(m_oControl.get());
    if (!k) throw Error::standard(kErrObjectNotSet);
    return *k;
}

// --- Initialize: the page's controls, the markers, the legend colours, the saved view ---

void ppVisControls::PropertyPage_Initialize(PageSite& site) {
    site_ = &site;
    page_event("PropertyPage_Initialize", [&] {
        page_ = site.page();
        page_->set(Prop::Caption, words("Resizing"));
        page_->set("KeyPreview", Value(true));
        page_->move(0, 0, kPageWidth, kPageHeight);
        make_controls();
        hook_controls();
        // The markers only point at the selected shadow: a marker that took the focus would
        // take it from that shadow, which hides the markers.
        for (int i = 1; i < kMarkers; ++i) {
            auto marker = controls_.collection()->load("picSelector", i);
            marker->set(Prop::TabIndex, number(0));
            marker->set(Prop::TabStop, Value(false));
        }
        m_dblMarkerSize = num(*controls_("picSelector", 0), Prop::Width);
        hide_markers();
        const Value frame_colour = number(legend_colour(kLegendForm));
        for (const char* key :
             {"fraResizing", "lblAbsolute", "lblStretch", "lblFontChange", "picFont", "optFont(0)",
              "optFont(1)", "picAbsTab", "picAbsTab2", "picStretchTab"})
            controls_(key)->set(Prop::BackColor, frame_colour);
        for (int i = 0; i < kChoiceCount; ++i)
            controls_("lblclr", i)->set(Prop::BackColor, number(legend_colour(i)));
        ++m_iBusy;
        select_option("optColorView", saved_colour_view());
        --m_iBusy;
        listen_for_panes_applied(this, [this] { panes_applied(); });
    });
}

void ppVisControls::make_controls() {
    controls_.make(page_, vis_controls_layout());
    for (const char* key : {"picShadowBorder", "picShadowForm", "picSizeHandle", "picFont",
                            "picAbsTab", "picAbsTab2", "picStretchTab"})
        controls_(key)->set(Prop::BorderStyle, number(0));
    controls_("picShadowBorder")->set(Prop::BackColor, number(0x808080));
    controls_("picSizeHandle")->set(Prop::BackColor, number(0x404040));
    // Pictures that only show something are no keyboard stops; the three small stop pictures
    // are, and pass the focus on.
    for (const char* key : {"picDemo", "picShadowBorder", "picShadowForm", "picSizeHandle",
                            "picSelector(0)", "picFont"})
        controls_(key)->set(Prop::TabStop, Value(false));
    for (int i = 0; i < kChoiceCount; ++i) {
        const ObjectRef& opt = controls_("optMove", i);
        opt->set("Style", number(1));  // graphical
        opt->set("Picture", words(picture_of_choice(i)));
    }
    controls_("optMove", kPaneChoice)->set(Prop::Visible, Value(false));
    controls_("picSelector", 0)->set(Prop::BackColor, number(0));
    preview_.picDemo = controls_("picDemo");
    preview_.picShadowBorder = controls_("picShadowBorder");
    preview_.picShadowForm = controls_("picShadowForm");
    preview_.picSizeHandle = controls_("picSizeHandle");
    preview_.on_layout_changed = [this] { place_markers(); };
}

void ppVisControls::hook_controls() {
    auto hook = [&](const ObjectRef& o, const std::string& name) -> PageEvents& {
        events_.push_back(std::make_unique<PageEvents>(o, name));
        return *events_.back();
    };
    hook(page_, "PropertyPage").key_down = [this](int key, int) {
        if (key == kKeyF1) show_help(kHelpContext);
        if (key == kKeyDelete && !m_sSelected.empty()) clear_shadow(m_sSelected);
    };
    hook(controls_("chkAddAllControls"), "chkAddAllControls").click = [this] {
        on_check_box(false);
    };
    hook(controls_("chkAddAllFontsButtons"), "chkAddAllFontsButtons").click = [this] {
        on_check_box(true);
    };
    for (int i = 0; i < kChoiceCount; ++i)
        hook(controls_("optMove", i), "optMove").mouse_up = [this](int, int, float, float) {
            if (m_iBusy == 0 && !m_sSelected.empty()) store_choices(m_sSelected);
        };
    for (int i = 0; i < 2; ++i)
        hook(controls_("optFont", i), "optFont").click = [this] {
            if (m_iBusy == 0 && !m_sSelected.empty()) store_choices(m_sSelected);
        };
    for (int i = 0; i < 3; ++i)
        hook(controls_("optColorView", i), "optColorView").click = [this, i] {
            if (m_iBusy != 0) return;
            preview_.recolour(i, shadows_, settings_map_, page_state().edited_add_all, *m_fForm);
            save_colour_view(i);
        };
    hook(controls_("picShadowForm"), "picShadowForm").click = [this] { preview_.reset_size(); };
    auto& handle = hook(controls_("picSizeHandle"), "picSizeHandle");
    handle.mouse_down = [this](int, int, float, float) { preview_.drag_start(); };
    handle.mouse_move = [this](int, int, float x, float y) {
        if (preview_.dragging()) preview_.drag_step(x, y);
    };
    handle.mouse_up = [this](int, int, float, float) { preview_.drag_stop(); };
    for (const char* stop : {"picAbsTab", "picAbsTab2", "picStretchTab"})
        hook(controls_(stop), stop).got_focus = [this, stop] { focus_stop(stop); };
}

// --- SelectionChanged: the shadow form of the selected control's form ---

void ppVisControls::PropertyPage_SelectionChanged() {
    page_event("PropertyPage_SelectionChanged", [&] {
        load_selection();
        site_->set_changed(false);
    });
}

void ppVisControls::load_selection() {
    ++m_iBusy;
    m_oControl = site_->selected_controls().at(0);
    zokKelvane& k = control();
    m_fForm = k.MyParentPP();
    page_state_attach(k);
    rebuild_settings_text();
    PageEditState& state = page_state();
    state.edited_add_all = k.AddAllControls();
    state.edited_add_all_fonts = k.AddAllFontsButtons();
    controls_("chkAddAllControls")->set("Value", number(state.edited_add_all ? 1 : 0));
    controls_("chkAddAllFontsButtons")->set("Value", number(state.edited_add_all_fonts ? 1 : 0));
    controls_("chkAddAllFontsButtons")->set("Enabled", Value(state.edited_add_all));
    preview_.fit_shadow_form(*m_fForm);
    build_shadow_form();
    preview_.place_border_and_handle();
    order_shadow_tabs();
    for (int i = 0; i < kChoiceCount; ++i)
        controls_("optMove", i)->set(Prop::BackColor, number(legend_colour(i)));
    load_stored_settings();
    refresh_preview();
    --m_iBusy;
}

void ppVisControls::build_shadow_form() {
    hide_shadows(*controls_.collection());
    shadows_.clear();
    const auto form_controls = m_fForm->controls();
    const ObjectRef& root = controls_("picShadowForm");
    root->set(Prop::BackColor, m_fForm->get(Prop::BackColor));
    ShadowsGot got;
    // Room for every control's shadow at once: growing a table of thousands rehashes it again
    // and again.
    got.shadows.reserve(form_controls->count());
    shadows_.reserve(form_controls->count());
    wrappers_.reserve(form_controls->count());
    for (size_t i = 0; i < form_controls->count(); ++i) {
        ShadowEntry entry;
        entry.control = form_controls->item(i);
        entry.shadow =
            shadow_with_chain(entry.control, m_fForm, root, *controls_.collection(), &got);
        if (!entry.shadow) continue;
        entry.name = text(*entry.shadow, Prop::Name);
        const auto align = try_num(*entry.control, Prop::Align);
        entry.shown = align.value_or(0) == 0;
        entry.shadow->set(Prop::Tag, words(std::string(kShadowTagPrefix) +
                                           std::to_string(static_cast<int>(align.value_or(0)))));
        if (const auto colour = entry.control->try_get(Prop::BackColor))
            entry.shadow->set(Prop::BackColor, *colour);
        entry.shadow->set(Prop::Visible, Value(entry.shown));
        entry.shadow->set(Prop::ToolTipText,
                          words(text(*entry.control, Prop::Name) + " (no resizing)"));
        entry.shadow->set("Picture", words(""));
        auto& wrapper = wrappers_[entry.shadow.get()];
        if (!wrapper) wrapper = std::make_unique<CPicWithEvents>(entry.shadow, *this);
        shadows_.push_back(std::move(entry));
    }
}

// Shadows take the tab order of their controls: 0, 1, 2, ... by the controls' TabIndex. The
// page's own controls follow them in their order, as the forms runtime renumbers the others
// when a control is given a TabIndex that another has: no two stops share a position.
void ppVisControls::order_shadow_tabs() {
    double next = 0;
    for (const size_t i : shadows_in_tab_order()) {
        const auto& shadow = shadows_[i].shadow;
        shadow->set(Prop::TabStop, Value(true));
        shadow->set(Prop::TabIndex, number(next++));
    }
    auto& page_controls = *controls_.collection();
    for (size_t i = 0; i < page_controls.count(); ++i) {
        const ObjectRef c = page_controls.item(i);
        const auto tag = try_text(*c, Prop::Tag);
        if (tag && (tag->starts_with(kShadowTagPrefix) || *tag == kHiddenShadowTag)) continue;
        if (c->try_get(Prop::TabIndex)) c->set(Prop::TabIndex, number(next++));
    }
}

// The shadows ordered by their controls' TabIndex as a numeric sorted list orders the decimal
// texts of those numbers; a control without one comes after all that have one, in form order.
// Where no two keys are equal any sort gives that order; equal ones (a form file may hold them)
// go through the sorted list itself, whose order among equal keys is its own.
std::vector<size_t> ppVisControls::shadows_in_tab_order() const {
    std::vector<double> tabs;
    std::vector<std::pair<double, size_t>> keys;
    tabs.reserve(shadows_.size());
    keys.reserve(shadows_.size());
    for (size_t i = 0; i < shadows_.size(); ++i) {
        const auto tab = try_num(*shadows_[i].control, Prop::TabIndex);
        tabs.push_back(tab ? *tab : 1e9 + static_cast<double>(i));
        // A whole number's text is exact; another one is rounded to six places.
        const double t = tabs.back();
        const bool whole = t == std::floor(t) && std::abs(t) < 1e15;
        keys.emplace_back(whole ? t : parse_number(std::to_string(t)).value_or(t), i);
    }
    std::sort(keys.begin(), keys.end());
    std::vector<size_t> order;
    order.reserve(keys.size());
    const auto same_key = [](const auto& a, const auto& b) { return a.first == b.first; };
    if (std::adjacent_find(keys.begin(), keys.end(), same_key) == keys.end()) {
        for (const auto& key : keys) order.push_back(key.second);
        return order;
    }
    SortedList by_tab;
    by_tab.SortMode(0);
    for (size_t i = 0; i < tabs.size(); ++i)
        by_tab.Add(std::to_string(tabs[i]), std::any(static_cast<int64_t>(i)));
    for (const auto& item : by_tab.Items())
        order.push_back(static_cast<size_t>(std::any_cast<int64_t>(item)));
    return order;
}

void ppVisControls::load_stored_settings() {
    PageEditState& state = page_state();
    zokKelvane& k = control();
    state.stored_add_all = k.AddAllControls();
    state.stored_add_all_fonts = k.AddAllFontsButtons();
    state.stored_control_settings = k.ControlSettings();
    for (const auto& line : split_settings_lines(state.stored_control_settings)) {
        const size_t at = line.find(" \t");
        if (at == std::string::npos || at == 0) continue;
        const std::string shadow = shadow_name_of_key(m_fForm, line.substr(0, at));
        if (shadow.empty()) continue;
        show_choice_on_shadow(shadow, settings_map_.load(shadow, line.substr(at + 2)));
    }
    rebuild_settings_text();
}

// A control without a place on the form (a timer, a menu) has no shadow to show it on; its
// line is kept all the same.
void ppVisControls::show_choice_on_shadow(const std::string& shadow, AnchorChoice choice) {
    ObjectRef pic;
    try {
        pic = controls_.collection()->find(shadow);
    } catch (const Error&) {
        return;
    }
    pic->set("Picture", controls_("optMove", choice.grid)->get("Picture"));
    pic->set(Prop::ToolTipText, words(without_shadow_prefix(shadow) + ": " +
                                      std::string(choice_tooltip(choice.grid))));
}

// --- the shadows ---

void ppVisControls::shadow_Clicked(const std::string&) {
    preview_.reset_size();
}

void ppVisControls::shadow_DblClicked(const std::string& sShadow) {
    ++m_iBusy;
    select_option("optMove", m_prev.grid);
    select_option("optFont", m_prev.font);
    --m_iBusy;
    store_choices(sShadow);
}

void ppVisControls::shadow_GotFocus(const std::string& sShadow) {
    select_shadow(sShadow);
}

void ppVisControls::shadow_LostFocus(const std::string&) {
    hide_markers();
}

void ppVisControls::save_prev_clr() {
    m_prev.grid = getOptVal("optMove", kChoiceCount).value_or(0);
    m_prev.font = getOptVal("optFont", 2).value_or(0);
}

void ppVisControls::Msg(const std::string& text) {
    controls_("lblMsg")->set(Prop::Caption, words(text));
}

std::optional<int> ppVisControls::getOptVal(const std::string& array_name, int count) const {
    for (int i = 0; i < count; ++i)
        if (to_bool(controls_(array_name, i)->get("Value"))) return i;
    return std::nullopt;
}

void ppVisControls::select_option(const std::string& array_name, int index) {
    controls_(array_name, index)->set("Value", Value(true));
}

void ppVisControls::select_shadow(const std::string& shadow) {
    m_sSelected = shadow;
    show_selected_choices();
    controls_.collection()->find(shadow)->set_focus();
    place_markers(true);
}

// The selected shadow's choices in optMove and optFont, among those its pane allows.
void ppVisControls::show_selected_choices() {
    const AnchorChoice choice = settings_map_.find(m_sSelected).value_or(AnchorChoice{0, 0});
    ++m_iBusy;
    select_option("optMove", choice.grid);
    select_option("optFont", choice.font);
    --m_iBusy;
    apply_pane_restrictions();
    // A pane control that guides nothing is offered only "Pane resizing": show it chosen.
    if (!flag(*controls_("optMove", choice.grid), Prop::Visible) &&
        flag(*controls_("optMove", kPaneChoice), Prop::Visible)) {
        ++m_iBusy;
        select_option("optMove", kPaneChoice);
        --m_iBusy;
    }
}

void ppVisControls::store_choices(const std::string& shadow) {
    const AnchorChoice choice{getOptVal("optMove", kChoiceCount).value_or(0),
                              getOptVal("optFont", 2).value_or(0)};
    settings_map_.set(shadow, choice);
    show_choice_on_shadow(shadow, choice);
    const std::string before = page_state().edited_control_settings;
    rebuild_settings_text();
    if (page_state().edited_control_settings != before) refresh_preview();
}

void ppVisControls::clear_shadow(const std::string& shadow) {
    settings_map_.erase(shadow);
    ObjectRef pic = controls_.collection()->find(shadow);
    pic->set(Prop::BackColor, controls_("optMove", 0)->get(Prop::BackColor));
    pic->set("Picture", preview_.pane_status_of(shadow)
                            ? controls_("optMove", kPaneChoice)->get("Picture")
                            : words(""));
    const std::string before = page_state().edited_control_settings;
    rebuild_settings_text();
    // The preview follows the cleared choice as it follows a new one.
    if (page_state().edited_control_settings != before) refresh_preview();
}

void ppVisControls::apply_pane_restrictions() {
    std::optional<char> letter;
    if (!m_sSelected.empty())
        if (const auto status = preview_.pane_status_of(m_sSelected)) letter = status->letter;
    controls_("fraResizing")
        ->set(Prop::Caption, words(std::string(resizing_frame_caption(letter.has_value()))));
    std::bitset<10> current;
    for (int i = 0; i < 10; ++i) current[i] = flag(*controls_("optMove", i), Prop::Visible);
    const auto visible = visible_choices(letter, current);
    for (int i = 0; i < 10; ++i)
        controls_("optMove", i)->set(Prop::Visible, Value(static_cast<bool>(visible[i])));
    controls_("optMove", kPaneChoice)->set(Prop::Visible, Value(letter.has_value()));
}

void ppVisControls::rebuild_settings_text() {
    PageEditState& state = page_state();
    state.edited_control_settings = settings_map_.settings_text(
        [this](const std::string& shadow) { return control_key_of_shadow_name(m_fForm, shadow); });
    site_->set_changed(page_state_changed());
}

void ppVisControls::refresh_preview() {
    const auto extenders = site_->selected_extenders();
    preview_.setup_trial(shadows_, preview_settings(), m_fForm,
                         extenders.empty() ? nullptr : extenders.front());
    preview_.recolour(colour_view(), shadows_, settings_map_, page_state().edited_add_all,
                      *m_fForm);
}

// The trial runs what the run time will run once the pages are applied: the edited choices and
// check boxes, and the panes as the Panels page last applied them.
PreviewSettings ppVisControls::preview_settings() const {
    const PageEditState& state = page_state();
    PreviewSettings s;
    s.control_settings = state.edited_control_settings;
    s.pane_settings = state.stored_pane_settings;
    s.add_all = to_double(controls_("chkAddAllControls")->get("Value")) == 1;
    s.add_all_fonts = to_double(controls_("chkAddAllFontsButtons")->get("Value")) == 1;
    return s;
}

void ppVisControls::panes_applied() {
    page_event("PaneSettings_Applied", [&] {
        if (!m_fForm) return;
        refresh_preview();
        if (!m_sSelected.empty()) show_selected_choices();
    });
}

int ppVisControls::colour_view() const {
    return getOptVal("optColorView", 3).value_or(0);
}

void ppVisControls::place_markers(bool show) {
    if (m_sSelected.empty()) return;
    ObjectRef shadow;
    try {
        shadow = controls_.collection()->find(m_sSelected);
    } catch (const Error&) {
        return;
    }
    // The markers sit in the demo picture: the shadow's corners are found by walking its
    // containers up to the demo picture.
    double left = num(*shadow, Prop::Left), top = num(*shadow, Prop::Top);
    const ObjectRef& demo = controls_("picDemo");
    for (ObjectRef c = try_container(*shadow); c && !same_object(c, demo); c = try_container(*c)) {
        left += num(*c, Prop::Left);
        top += num(*c, Prop::Top);
    }
    const double w = num(*shadow, Prop::Width), h = num(*shadow, Prop::Height);
    const double half = m_dblMarkerSize / 2;
    const double xs[kMarkers] = {left, left + w, left, left + w};
    const double ys[kMarkers] = {top, top, top + h, top + h};
    for (int i = 0; i < kMarkers; ++i) {
        const ObjectRef& marker = controls_("picSelector", i);
        marker->move(xs[i] - half, ys[i] - half);
        if (show) marker->set(Prop::Visible, Value(true));
        marker->zorder(0);
    }
}

void ppVisControls::hide_markers() {
    for (int i = 0; i < kMarkers; ++i)
        controls_("picSelector", i)->set(Prop::Visible, Value(false));
}

// --- check boxes and keyboard stops ---

void ppVisControls::on_check_box(bool fonts_box) {
    PageEditState& state = page_state();
    if (fonts_box) {
        state.edited_add_all_fonts =
            to_double(controls_("chkAddAllFontsButtons")->get("Value")) == 1;
    } else {
        state.edited_add_all = to_double(controls_("chkAddAllControls")->get("Value")) == 1;
        controls_("chkAddAllFontsButtons")->set("Enabled", Value(state.edited_add_all));
    }
    if (m_iBusy != 0) return;
    site_->set_changed(page_state_changed());
    refresh_preview();
}

// The three small stop pictures pass the focus on to what they stand before: the anchoring
// choices (the selected one), the stretching choice, the check boxes. Where that is hidden (a
// pane control is offered fewer choices) the focus goes on to the next that can take it.
void ppVisControls::focus_stop(const char* which) {
    apply_pane_restrictions();
    const std::string stop = which;
    std::vector<ObjectRef> next;
    if (stop == "picAbsTab") {
        std::optional<int> first_visible;
        for (int i = 0; i <= 8; ++i) {
            const ObjectRef& opt = controls_("optMove", i);
            if (!flag(*opt, Prop::Visible)) continue;
            if (to_bool(opt->get("Value"))) return opt->set_focus();
            if (!first_visible) first_visible = i;
        }
        if (first_visible) {
            select_option("optMove", *first_visible);
            return controls_("optMove", *first_visible)->set_focus();
        }
    }
    if (stop != "picAbsTab2") {
        next.push_back(controls_("optMove", kStretchChoice));
        next.push_back(controls_("optMove", kPaneChoice));
        next.push_back(controls_("optFont", getOptVal("optFont", 2).value_or(0)));
    }
    next.push_back(controls_("chkAddAllControls"));
    for (const ObjectRef& c : next) {
        try {
            if (flag(*c, Prop::Visible) && to_bool(c->get("Enabled"))) return c->set_focus();
        } catch (const Error&) {
            // Not able to take the focus now: the next one.
        }
    }
}

// --- apply and terminate ---

void ppVisControls::PropertyPage_ApplyChanges() {
    page_event("PropertyPage_ApplyChanges", [&] {
        apply_controls(control());
        preview_.reset_size();
    });
}

void ppVisControls::PropertyPage_Terminate() {
    page_event("PropertyPage_Terminate", [&] {
        stop_listening_for_panes(this);
        wrappers_.clear();
        events_.clear();
        // A form of thousands of controls has as many shadows and a copy for the trial: they
        // go with the dialog, not when the next one opens.
        shadows_.clear();
        preview_.end_trial();
        page_state_detach();
    });
}

void register_ppVisControls() {
    register_property_page(kPageControlsClassId, [] { return std::make_shared<ppVisControls>(); });
}

}  // namespace kv
