#include "picture/Snapshot.h"

#include <map>

#include "engine/HostAccess.h"
#include "host/common/MaskLook.h"
#include "host/common/QtClasses.h"
#include "host/memory/ButtonPictures.h"
#include "host/memory/MemoryObject.h"

namespace kv::app {

namespace {

// A line end in its container's units to form-client twips.
double to_client_twips(mem::MemoryObject& c, double v, bool x_axis) {
    const double origin = x_axis ? c.client_origin_x_twips() : c.client_origin_y_twips();
    const double tpu = x_axis ? c.twips_per_scale_unit_x() : c.twips_per_scale_unit_y();
    double scale_origin = 0;
    if (c.traits().scale) {
        scale_origin = try_num(c, x_axis ? Prop::ScaleLeft : Prop::ScaleTop).value_or(0);
    }
    return origin + (v - scale_origin) * tpu;
}

std::optional<Value> try_named(mem::MemoryObject& c, const char* name) {
    // Asked of every control for every picture and table: no exception for a class without it.
    try {
        return c.try_get(std::string_view(name));
    } catch (const Error&) {
        return std::nullopt;
    }
}

// A property read by name, for drawing: empty when the object has none or it is not a number.
std::optional<double> named_num(mem::MemoryObject& c, const char* name) {
    const auto v = try_named(c, name);
    if (v && std::holds_alternative<double>(*v)) return std::get<double>(*v);
    if (v && std::holds_alternative<bool>(*v)) return std::get<bool>(*v) ? -1.0 : 0.0;
    return std::nullopt;
}

// What a one-line text box with a PasswordChar shows: that character for each of its text's.
std::string hidden_text(mem::MemoryObject& c, const std::string& text) {
    if (c.class_name() != "TextBox" || named_num(c, "MultiLine").value_or(0) != 0) return text;
    const auto v = try_named(c, "PasswordChar");
    if (!v || !std::holds_alternative<std::string>(*v)) return text;
    const std::string& mask = std::get<std::string>(*v);
    if (mask.empty()) return text;
    // The first character, whole (UTF-8), once for each character of the text.
    size_t one = 1;
    while (one < mask.size() && (static_cast<unsigned char>(mask[one]) & 0xC0) == 0x80) ++one;
    std::string out;
    for (unsigned char ch : text)
        if ((ch & 0xC0) != 0x80) out += mask.substr(0, one);
    return out;
}

void read_look(mem::MemoryObject& c, ControlState& st) {
    st.windowed = c.traits().windowed;
    st.container = c.traits().container;
    if (st.container) {
        st.inner_left = c.client_origin_x_twips();
        st.inner_top = c.client_origin_y_twips();
        st.inner_width = c.client_width_twips();
        st.inner_height = c.client_height_twips();
    }
    st.back_color = try_num(c, Prop::BackColor);
    if (const auto v = try_named(c, "ForeColor")) st.fore_color = to_double(*v);
    st.border_style = try_num(c, Prop::BorderStyle);
    st.back_style = named_num(c, "BackStyle");
    if (const auto m = named_num(c, "UseMnemonic"); m && c.class_name() == "Label")
        st.use_mnemonic = *m != 0;
    st.border_color = named_num(c, "BorderColor");
    st.border_width = named_num(c, "BorderWidth");
    st.fill_color = named_num(c, "FillColor");
    st.fill_style = named_num(c, "FillStyle");
    st.shape = named_num(c, "Shape");
    st.appearance = named_num(c, "Appearance");
    st.alignment = named_num(c, "Alignment");
    // A rich text box has as many lines as a multi-line text box.
    if ((c.class_name() == "TextBox" && named_num(c, "MultiLine").value_or(0) != 0) ||
        c.class_name() == "RichTextBox")
        st.scroll_bars = static_cast<int>(named_num(c, "ScrollBars").value_or(0));
    for (auto up = c.shared_from_this(); up && !up->is_form(); up = up->container_object())
        st.shown = st.shown && try_flag(*up, Prop::Visible).value_or(true);
    if (const auto v = try_named(c, "Enabled")) st.enabled = to_bool(*v);
}

// What a page's control shows beyond its geometry: colours, states, pictures and entries.
void read_page_look(mem::MemoryObject& c, ControlState& st) {
    st.tool_tip = try_text(c, Prop::ToolTipText).value_or("");
    if (const auto v = try_named(c, "Value")) st.value = to_double(*v);
    if (const auto v = try_named(c, "Picture")) st.picture = to_text(*v);
    if (const auto n = try_named(c, "ListCount")) {
        const int count = static_cast<int>(to_double(*n));
        for (int i = 0; i < count; ++i) {
            st.items.push_back(to_text(c.get_item("List", i)));
            bool on = false;
            try {
                on = to_bool(c.get_item("Selected", i));
            } catch (const Error&) {  // a combo box has no selection of its own
            }
            st.selected.push_back(on);
        }
    }
}

// What a form's control holds that a picture shows: the entries of a list or combo box, whether
// a check box or option button is on, where a scroll bar's box stands.
void read_form_entries(mem::MemoryObject& c, ControlState& st) {
    if (const auto* list = c.list_items())
        for (size_t i = 0; i < list->count(); ++i)
            st.items.push_back(list->item(static_cast<int>(i)));
    if (c.class_name() == "CheckBox" || c.class_name() == "OptionButton")
        st.value = named_num(c, "Value");
    if (c.class_name() == "HScrollBar" || c.class_name() == "VScrollBar") {
        st.min = named_num(c, "Min");
        st.max = named_num(c, "Max");
        st.value = named_num(c, "Value");
        return;
    }
    // A Designer widget no forms class stands for: its range, value and lie, as the .ui says.
    const auto own = [&](const char* name) {
        return named_num(c, (std::string(host::kQtPropertyPrefix) + name).c_str());
    };
    if (const auto v = own("value")) {
        st.min = own("minimum");
        st.max = own("maximum");
        st.value = v;
    }
    if (const auto o = try_named(c, (std::string(host::kQtPropertyPrefix) + "orientation").c_str()))
        st.across = std::holds_alternative<std::string>(*o) &&
                    std::get<std::string>(*o) == "Qt::Horizontal";
}

// Where a control on a tab control shows: the designer's parked controls further right, and
// only those of the tab on view (also for what they hold).
class TabPlacement {
  public:
    struct Place {
        double shift = 0;
        bool shown = true;
    };

    std::shared_ptr<const host::TabSet> tabs_of(mem::MemoryObject& c) {
        auto [it, added] = tabs_.try_emplace(&c);
        if (added && !c.is_form() && host::TabSet::candidate(c.type_name(), c.extra_properties()))
            if (auto t = host::TabSet::read(c)) it->second = std::make_shared<host::TabSet>(*t);
        return it->second;
    }

    Place of(mem::MemoryObject& c) {
        Place p;
        for (auto o = c.shared_from_this(); o && !o->is_form(); o = o->container_object()) {
            const auto holder = o->container_object();
            if (!holder || holder->is_form()) break;
            if (const auto t = tabs_of(*holder)) {
                const double left = o->rect_twips().left;
                p.shift += host::TabSet::shift(left);
                p.shown = p.shown && t->shows(control_key(*o), left);
            }
        }
        return p;
    }

  private:
    std::map<const mem::MemoryObject*, std::shared_ptr<const host::TabSet>> tabs_;
};

void read_pictures(mem::MemoryObject& c, ControlState& st, TabPlacement& tabs) {
    st.image = c.picture("Picture");
    if (st.image) {
        st.stretch = named_num(c, "Stretch").value_or(0) != 0;
        st.auto_size = named_num(c, "AutoSize").value_or(0) != 0;
    }
    st.style = named_num(c, "Style");
    st.tabs = tabs.tabs_of(c);
    if (!st.tabs) return;
    for (int i = 0; i < st.tabs->count(); ++i)
        st.tab_images.push_back(c.picture("TabPicture(" + std::to_string(i) + ")"));
}

// A status bar's panels, a toolbar's buttons and the pictures on them; a progress bar's or a
// slider's range; a list view's or a data grid's columns; a flex grid's cells; a date picker's or
// calendar's date; an up-down's arrows.
void read_bars(mem::MemoryObject& c, ControlState& st) {
    if (c.is_form() || c.user_control()) return;
    st.range = host::RangeLook::read(c, c.type_name());
    st.list_view = host::ListViewLook::read(c, c.type_name());
    if (host::DataGridLook::candidate(c.type_name())) st.data_grid = host::DataGridLook::read(c);
    st.date = host::DateLook::read(c, c.type_name());
    if (host::UpDownLook::candidate(c.type_name())) st.up_down = host::UpDownLook::read(c);
    if (host::FlexGridLook::candidate(c.type_name())) st.flex_grid = host::FlexGridLook::read(c);
    // A masked edit box shows its mask's prompts until something is typed in.
    if (host::MaskLook::candidate(c.type_name())) st.caption = host::MaskLook::read(c).shown();
    if (host::StatusBarLook::candidate(c.type_name())) {
        st.status_bar = std::make_shared<const host::StatusBarLook>(host::StatusBarLook::read(c));
    } else if (host::ToolBarLook::candidate(c.type_name())) {
        auto look = host::ToolBarLook::read(c);
        mem::find_button_pictures(c, look);
        st.tool_bar = std::make_shared<const host::ToolBarLook>(std::move(look));
    }
}

// The shown top-level menus, when the form has a bar of its own (an MDI child's menus show in
// its parent's).
std::vector<MenuTitle> menu_bar(mem::MemoryForm& form) {
    std::vector<MenuTitle> bar;
    if (form.kind() == mem::FormKind::MDIChild) return bar;
    for (const auto& c : form.all_controls())
        if (c->alive() && c->class_name() == "Menu" && !try_named(*c, "MenuParent") &&
            try_flag(*c, Prop::Visible).value_or(true))
            bar.push_back({try_text(*c, Prop::Caption).value_or(""),
                           named_num(*c, "Enabled").value_or(-1) != 0});
    return bar;
}

}  // namespace

Snapshot take_snapshot(mem::MemoryForm& form) {
    Snapshot s;
    s.form.name = form.name();
    s.form.left = try_num(form, Prop::Left).value_or(0);
    s.form.top = try_num(form, Prop::Top).value_or(0);
    s.form.width = try_num(form, Prop::Width).value_or(0);
    s.form.height = try_num(form, Prop::Height).value_or(0);
    s.form.scale_width = try_num(form, Prop::ScaleWidth).value_or(0);
    s.form.scale_height = try_num(form, Prop::ScaleHeight).value_or(0);
    s.form.window_state = static_cast<int>(try_num(form, Prop::WindowState).value_or(0));
    s.form.client_width_twips = form.client_width_twips();
    s.form.client_height_twips = form.client_height_twips();
    s.form.caption = try_text(form, Prop::Caption).value_or("");
    s.form.picture = form.picture("Picture");
    s.form.icon = form.picture("Icon");
    s.form.menus = menu_bar(form);
    s.page = form.type_name() == "PropertyPage";
    TabPlacement tabs;
    s.back_color = try_num(form, Prop::BackColor);
    for (const auto& c : form.all_controls()) {
        if (!c->alive()) continue;
        ControlState st;
        st.key = control_key(*c);
        st.type = c->type_name();
        if (auto container = c->container_object(); container && c->traits().has_container) {
            st.has_container = true;
            st.container_key = container->is_form() ? container->name() : control_key(*container);
            st.abs_left = container->client_origin_x_twips() + c->rect_twips().left;
            st.abs_top = container->client_origin_y_twips() + c->rect_twips().top;
            for (auto up = container; up && !up->is_form(); up = up->container_object()) {
                ++st.depth;
            }
        }
        st.abs_width = c->rect_twips().width;
        st.abs_height = c->rect_twips().height;
        st.align = try_num(*c, Prop::Align);
        st.left = try_num(*c, Prop::Left);
        st.top = try_num(*c, Prop::Top);
        st.width = try_num(*c, Prop::Width);
        st.height = try_num(*c, Prop::Height);
        st.scale_width = try_num(*c, Prop::ScaleWidth);
        st.scale_height = try_num(*c, Prop::ScaleHeight);
        st.font_size = try_num(*c, Prop::FontSize);
        st.font = host::font_look_of(*c);
        st.x1 = try_num(*c, Prop::X1);
        st.y1 = try_num(*c, Prop::Y1);
        st.x2 = try_num(*c, Prop::X2);
        st.y2 = try_num(*c, Prop::Y2);
        st.visible = try_flag(*c, Prop::Visible);
        st.caption = try_text(*c, Prop::Caption).value_or("");
        if (st.caption.empty()) {
            try {
                st.caption = hidden_text(*c, to_text(c->get("Text")));
            } catch (const Error&) {
            }
        }
        if (st.x1 && st.y1 && st.x2 && st.y2 && c->container_object()) {
            auto& k = *c->container_object();
            st.abs_x1 = to_client_twips(k, *st.x1, true);
            st.abs_y1 = to_client_twips(k, *st.y1, false);
            st.abs_x2 = to_client_twips(k, *st.x2, true);
            st.abs_y2 = to_client_twips(k, *st.y2, false);
        }
        read_look(*c, st);
        if (!s.page) {
            const auto place = tabs.of(*c);
            st.abs_left += place.shift;
            st.abs_x1 += place.shift;
            st.abs_x2 += place.shift;
            if (st.container) st.inner_left += place.shift;
            st.shown = st.shown && place.shown;
            read_pictures(*c, st, tabs);
            read_bars(*c, st);
            read_form_entries(*c, st);
        }
        if (s.page) read_page_look(*c, st);
        s.controls.push_back(std::move(st));
    }
    return s;
}

}  // namespace kv::app
