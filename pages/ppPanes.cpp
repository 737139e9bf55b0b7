#include "pages/ppPanes.h"

#include <algorithm>

#include "control/ControlLookup.h"
#include "control/zokKelvane.h"
#include "engine/Error.h"
#include "engine/HostAccess.h"
#include "pages/HelpLauncher.h"
#include "pages/MResizerPropPages.h"
#include "pages/Shadows.h"
#include "pages/ppPanesLayout.h"

namespace kv {

namespace {

constexpr int kKeyF1 = 112;
constexpr int kHelpContext = 1010;
constexpr size_t kPaneLimit = 4;
constexpr size_t kNoLimit = 1000;
constexpr int32_t kPaneRed = 255;
constexpr int32_t kHighlight = 0xFF9933;  // the chosen container (a light blue)
constexpr int32_t kTitleBlue = 0x800000;
constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kErrorRed = 0x0000C0;
constexpr double kPageWidth = 8400, kPageHeight = 5160;

Value number(double v) {
    return Value(v);
}

}  // namespace

ppPanes::ppPanes() = default;
ppPanes::~ppPanes() {
    PropertyPage_Terminate();
}

zokKelvane& ppPanes::control() const {
    auto* k = dynamic_cast<zokKelvane*>(m_oControl.get());
    if (!k) throw Error::standard(kErrObjectNotSet);
    return *k;
}

void ppPanes::PropertyPage_Initialize(PageSite& site) {
    site_ = &site;
    page_event("PropertyPage_Initialize", [&] {
        page_ = site.page();
        page_->set(Prop::Caption, Value(std::string("Panels")));
        page_->set("KeyPreview", Value(true));
        page_->move(0, 0, kPageWidth, kPageHeight);
        make_controls();
        hook_controls();
    });
}

void ppPanes::make_controls() {
    controls_.make(page_, panes_layout());
    controls_("lstChilds")->set("MultiSelect", number(1));
    controls_("lstPaned")->set("MultiSelect", number(1));
    controls_("lblErr")->set(Prop::Visible, Value(false));
    controls_("lblErr")->set("ForeColor", number(kErrorRed));
    for (const char* key : {"ShadowTitlebar", "ShadowCtrlBox"}) {
        controls_(key)->set(Prop::BackColor, number(kTitleBlue));
        controls_(key)->set("ForeColor", number(kWhite));
    }
    controls_("ShadowContainer")->set(Prop::BackColor, number(kHighlight));
    controls_("ShadowClip")->set(Prop::Visible, Value(false));
    controls_("ShadowForm")->set(Prop::BorderStyle, number(0));
}

void ppPanes::hook_controls() {
    auto hook = [&](const char* key) -> PageEvents& {
        events_.push_back(std::make_unique<PageEvents>(controls_(key), key));
        return *events_.back();
    };
    events_.push_back(std::make_unique<PageEvents>(page_, "PropertyPage"));
    events_.back()->key_down = [](int key, int) {
        if (key == kKeyF1) show_help(kHelpContext);
    };
    auto& combo = hook("cboContainers");
    combo.click = [this] { show_container(); };
    combo.change = [this] { show_container(); };
    hook("cmdAdd").click = [this] { move("lstChilds", "lstPaned", kPaneLimit); };
    hook("cmdRemove").click = [this] { move("lstPaned", "lstChilds", kNoLimit); };
    auto& childs = hook("lstChilds");
    childs.dbl_click = [this] { move("lstChilds", "lstPaned", kPaneLimit); };
    childs.click = [this] { update_buttons(); };
    auto& paned = hook("lstPaned");
    paned.dbl_click = [this] { move("lstPaned", "lstChilds", kNoLimit); };
    paned.click = [this] { update_buttons(); };
}

// --- loading ---

void ppPanes::PropertyPage_SelectionChanged() {
    page_event("PropertyPage_SelectionChanged", [&] {
        if (!loaded_) {
            load();
            loaded_ = true;
        }
        rebuild_settings_text();
        site_->set_changed(false);
    });
}

std::string ppPanes::container_key(const ObjectRef& control) const {
    const ObjectRef container = control->container();
    if (same_object(container, m_fForm)) return text(*m_fForm, Prop::Name);
    return control_key(*container);
}

PaneKeyLookup ppPanes::lookup(const std::string& key) const {
    ObjectRef found;
    try {
        found = find_control_by_key(m_fForm, key);
    } catch (const Error&) {
        return {};
    }
    if (!found) return {};
    try {
        return {PaneKeyLookup::Found, container_key(found)};
    } catch (const Error&) {
        return {PaneKeyLookup::NoContainer, {}};
    }
}

void ppPanes::load() {
    m_oControl = site_->selected_controls().at(0);
    zokKelvane& k = control();
    m_fForm = k.MyParentPP();
    page_state_attach(k);
    page_state().stored_pane_settings = k.PaneSettings();
    lists_.load_stored(k.PaneSettings(), [this](const std::string& key) { return lookup(key); });
    const auto form_controls = m_fForm->controls();
    for (size_t i = 0; i < form_controls->count(); ++i) {
        const ObjectRef c = form_controls->item(i);
        const auto align = try_num(*c, Prop::Align);
        if (!pane_eligible(c->type_name(), c->try_get(Prop::Width).has_value(),
                           align ? std::optional<int>(static_cast<int>(*align)) : std::nullopt))
            continue;
        std::string key, container;
        try {
            key = control_key(*c);
            container = container_key(c);
        } catch (const Error&) {
            continue;
        }
        lists_.add_control(key, container);
    }
    const ObjectRef& combo = controls_("cboContainers");
    combo->clear_items();
    for (const auto& container : lists_.containers()) combo->add_item(container);
    if (!lists_.containers().empty()) combo->set("ListIndex", number(0));
    update_buttons();
    size_demo();
}

// --- the lists ---

std::string ppPanes::chosen() const {
    return to_text(controls_("cboContainers")->get("Text"));
}

std::vector<std::string> ppPanes::items(const char* list) const {
    const ObjectRef& l = controls_(list);
    std::vector<std::string> out;
    const int count = static_cast<int>(to_double(l->get("ListCount")));
    for (int i = 0; i < count; ++i) out.push_back(to_text(l->get_item("List", i)));
    return out;
}

std::vector<bool> ppPanes::selection(const char* list) const {
    const ObjectRef& l = controls_(list);
    std::vector<bool> out;
    const int count = static_cast<int>(to_double(l->get("ListCount")));
    for (int i = 0; i < count; ++i) out.push_back(to_bool(l->get_item("Selected", i)));
    return out;
}

void ppPanes::fill(const char* list, const std::vector<std::string>& entries) {
    const ObjectRef& l = controls_(list);
    l->clear_items();
    for (const auto& e : entries) l->add_item(e);
}

void ppPanes::show_container() {
    const std::string container = chosen();
    fill("lstChilds", lists_.not_used(container));
    fill("lstPaned", lists_.paned(container));
    update_buttons();
    draw_demo();
}

void ppPanes::move(const char* from, const char* to, size_t limit) {
    const ListMove moved = move_entries(items(from), selection(from), items(to), limit);
    fill(from, moved.source);
    fill(to, moved.target);
    lists_.set_lists(chosen(), items("lstChilds"), items("lstPaned"));
    draw_demo();
    check_pane_count();
    update_buttons();
    rebuild_settings_text();
}

void ppPanes::update_buttons() {
    controls_("cmdAdd")->set(
        "Enabled", Value(add_button_enabled(items("lstPaned").size(), selection("lstChilds"))));
    controls_("cmdRemove")->set("Enabled", Value(remove_button_enabled(selection("lstPaned"))));
}

void ppPanes::check_pane_count() {
    const ObjectRef& label = controls_("lblErr");
    label->set(Prop::Visible, Value(false));
    if (const auto message = lists_.pane_count_message()) {
        label->set(Prop::Caption, Value(*message));
        label->set(Prop::Visible, Value(true));
    }
}

// What the developer types into the combo names a control or nothing: a half-typed key such as
// "x(" is no error, it selects no container.
ObjectRef ppPanes::control_or_none(const std::string& key) const {
    try {
        return find_control_by_key(m_fForm, key);
    } catch (const Error&) {
        return nullptr;
    }
}

int ppPanes::depth(const std::string& container) const {
    if (container == text(*m_fForm, Prop::Name)) return 0;
    int d = 0;
    for (ObjectRef c = find_control_by_key(m_fForm, container); c && !same_object(c, m_fForm);
         c = try_container(*c))
        ++d;
    return d;
}

void ppPanes::rebuild_settings_text() {
    if (!m_fForm) return;
    page_state().edited_pane_settings =
        lists_.settings_text([this](const std::string& c) { return depth(c); });
    site_->set_changed(page_state_changed());
}

// --- the demo window ---

void ppPanes::size_demo() {
    const ObjectRef& form = controls_("ShadowForm");
    const double form_w = try_num(*m_fForm, Prop::ScaleWidth).value_or(0);
    const double form_h = try_num(*m_fForm, Prop::ScaleHeight).value_or(0);
    double left = num(*form, Prop::Left), top = num(*form, Prop::Top);
    double w = num(*form, Prop::Width), h = num(*form, Prop::Height);
    if (form_w != 0) h = w * form_h / form_w;
    const double room = num(*controls_("picDemo"), Prop::ScaleHeight) - top - 480;
    if (h > room && h > 0) {
        w *= room / h;
        h = room;
    }
    form->move(left, top, w, h);
    const ObjectRef& title = controls_("ShadowTitlebar");
    const ObjectRef& box = controls_("ShadowCtrlBox");
    const double gap = num(*title, Prop::Left) + num(*title, Prop::Width) - num(*box, Prop::Left);
    title->set(Prop::Width, number(w));
    controls_("ShadowMenu")->set(Prop::Width, number(w));
    box->set(Prop::Left, number(num(*title, Prop::Left) + w - gap));
    controls_("ShadowContainer")->move(left, top + h + 120, w, 240);
}

void ppPanes::draw_demo() {
    auto& page_controls = *controls_.collection();
    hide_shadows(page_controls);
    const ObjectRef& root = controls_("ShadowForm");
    const Value highlight = controls_("ShadowContainer")->get(Prop::BackColor);
    const Value form_colour = m_fForm->get(Prop::BackColor);
    const std::string container = chosen();
    ObjectRef container_shadow;
    if (container == text(*m_fForm, Prop::Name)) {
        root->set(Prop::BackColor, highlight);
    } else {
        root->set(Prop::BackColor, form_colour);
        container_shadow =
            shadow_with_chain(control_or_none(container), m_fForm, root, page_controls);
    }
    for (const auto& key : items("lstPaned")) {
        const ObjectRef shadow =
            shadow_with_chain(control_or_none(key), m_fForm, root, page_controls);
        if (!shadow) continue;
        shadow->set(Prop::BackColor, number(kPaneRed));
        shadow->set(Prop::ToolTipText, Value(key));
    }
    if (container_shadow) {
        container_shadow->set("Appearance", number(0));
        container_shadow->set(Prop::BorderStyle, number(0));
        container_shadow->set(Prop::BackColor, highlight);
        for (ObjectRef c = try_container(*container_shadow); c && !same_object(c, root);
             c = try_container(*c)) {
            c->set("Appearance", number(0));
            c->set(Prop::BorderStyle, number(1));
            c->set(Prop::BackColor, form_colour);
        }
    }
    for (size_t i = 0; i < page_controls.count(); ++i) {
        const ObjectRef c = page_controls.item(i);
        if (is_shadow(*c)) c->set(Prop::Visible, Value(true));
    }
}

// --- apply and terminate ---

void ppPanes::PropertyPage_ApplyChanges() {
    page_event("PropertyPage_ApplyChanged", [&] { apply_panes(control()); });
}

void ppPanes::PropertyPage_Terminate() {
    page_event("PropertyPage_Terminate", [&] {
        events_.clear();
        page_state_detach();
    });
}

void register_ppPanes() {
    register_property_page(kPagePanesClassId, [] { return std::make_shared<ppPanes>(); });
}

}  // namespace kv
