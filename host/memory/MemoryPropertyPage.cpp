#include "host/memory/MemoryPropertyPage.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "engine/Error.h"
#include "host/memory/ChangeJournal.h"

namespace kv::mem {

namespace {
constexpr int kLeftButton = 1;
}

MemoryPropertyPage::MemoryPropertyPage(std::weak_ptr<MemoryHost> host, std::string name,
                                       std::vector<std::shared_ptr<MemoryObject>> selected)
    : MemoryForm(std::move(host), std::move(name), FormKind::Form) {
    set_known(Prop::BorderStyle, 0.0);  // no frame: the page's outer size is its client size
    set_known(Prop::Caption, std::string());
    rect_ = {0, 0, 6000, 4500};
    normal_rect_ = rect_;
    for (const auto& s : selected) selected_.push_back(s);
    loaded_ = visible_ = true;
}

std::vector<std::shared_ptr<UserControl>> MemoryPropertyPage::selected_controls() {
    std::vector<std::shared_ptr<UserControl>> out;
    for (const auto& w : selected_)
        if (auto s = w.lock(); s && s->alive() && s->user_control())
            out.push_back(s->user_control());
    return out;
}

std::vector<ObjectRef> MemoryPropertyPage::selected_extenders() {
    std::vector<ObjectRef> out;
    for (const auto& w : selected_)
        if (auto s = w.lock(); s && s->alive() && s->user_control()) out.push_back(s);
    return out;
}

std::string MemoryPropertyPage::caption() {
    return to_text(get(Prop::Caption));
}

bool MemoryPropertyPage::key_preview() {
    return has_extra("KeyPreview") && to_bool(get_extra("KeyPreview"));
}

std::shared_ptr<MemoryObject> MemoryPropertyPage::find(std::string_view key) const {
    auto open = key.find('(');
    if (open == std::string_view::npos || key.back() != ')') return control(key);
    int index = 0;
    auto digits = key.substr(open + 1, key.size() - open - 2);
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (ec != std::errc() || end != digits.data() + digits.size()) return nullptr;
    return control(key.substr(0, open), index);
}

std::shared_ptr<MemoryObject> MemoryPropertyPage::workable(const ObjectRef& control) const {
    auto c = std::dynamic_pointer_cast<MemoryObject>(control);
    if (!c || !c->alive() || c->form().get() != this) throw Error::standard(kErrInvalidCall);
    return c->enabled_and_shown() ? c : nullptr;
}

void MemoryPropertyPage::press(const std::shared_ptr<MemoryObject>& c, bool up_only) {
    const double x = c->rect_twips().width / 2, y = c->rect_twips().height / 2;
    if (!up_only) mouse_down(c, kLeftButton, 0, x, y);
    mouse_up(c, kLeftButton, 0, x, y);
}

bool MemoryPropertyPage::focus(const ObjectRef& control) {
    auto c = workable(control);
    if (!c) return false;
    if (c->can_focus()) move_focus(c);
    return true;
}

bool MemoryPropertyPage::click(const ObjectRef& control) {
    auto c = workable(control);
    if (!c) return false;
    if (c->can_focus()) move_focus(c);
    const double x = c->rect_twips().width / 2, y = c->rect_twips().height / 2;
    mouse_down(c, kLeftButton, 0, x, y);
    if (!c->alive()) return true;
    if (c->class_name() == "OptionButton") {
        // Clicking an option that is on already still clicks it.
        if (to_bool(c->get("Value")))
            c->raise_click();
        else
            c->set("Value", true);
        if (c->alive()) mouse_up(c, kLeftButton, 0, x, y);
        return true;
    }
    mouse_up(c, kLeftButton, 0, x, y);
    if (!c->alive()) return true;
    if (c->class_name() == "CheckBox")
        c->set("Value", to_double(c->get("Value")) == 1 ? 0.0 : 1.0);
    else
        c->raise_click();
    return true;
}

bool MemoryPropertyPage::dbl_click(const ObjectRef& control) {
    auto c = workable(control);
    if (!c || !click(c)) return false;
    if (!c->alive()) return true;
    c->raise_dbl_click();
    if (c->alive()) press(c, true);
    return true;
}

bool MemoryPropertyPage::click_entry(const ObjectRef& list, int index) {
    auto c = workable(list);
    if (!c) return false;
    ListItems* items = c->list_items();
    if (!items) throw Error::standard(kErrNoSuchProperty);
    items->item(index);  // error 381 past the list
    note_change(*c);
    if (c->can_focus()) move_focus(c);
    if (c->class_name() == "ComboBox") {
        c->set("ListIndex", static_cast<double>(index));
        return true;
    }
    const bool simple = c->multi_select_mode() == 1;
    if (simple)
        items->set_selected(index, !items->selected(index));
    else
        items->select_only(index);
    items->set_list_index(index);
    c->raise_click();
    return true;
}

bool MemoryPropertyPage::dbl_click_entry(const ObjectRef& list, int index) {
    auto c = workable(list);
    if (!c) return false;
    ListItems* items = c->list_items();
    if (!items) throw Error::standard(kErrNoSuchProperty);
    // Whatever the first click of the pair toggled, the entry double-clicked ends selected.
    click_entry(c, index);
    if (!c->alive()) return true;
    if (c->class_name() == "ListBox" && !items->selected(index)) items->set_selected(index, true);
    c->raise_dbl_click();
    return true;
}

bool MemoryPropertyPage::type_text(const ObjectRef& control, const std::string& text) {
    auto c = workable(control);
    if (!c) return false;
    if (c->can_focus()) move_focus(c);
    c->set("Text", text);
    return true;
}

void MemoryPropertyPage::press_key(int key_code, int shift) {
    if (key_code == kKeyTab) return tab((shift & 1) != 0);
    auto self = shared_from_this();
    auto target = focused();
    if (target && !target->alive()) target = nullptr;
    if (key_preview() || !target)
        events_.raise([&](EventSink& s) { s.on_key_down(key_code, shift); });
    if (target && target->alive())
        target->events().raise([&](EventSink& s) { s.on_key_down(key_code, shift); });
}

bool MemoryPropertyPage::drag(const ObjectRef& control, double dx, double dy, int steps) {
    auto c = workable(control);
    if (!c) return false;
    if (c->can_focus()) move_focus(c);
    steps = std::max(steps, 1);
    // The pointer moves over the page; each event reports it in the control's own units, where
    // the control stands at that moment (it may follow the pointer).
    const double sl = to_double(c->try_get(Prop::ScaleLeft).value_or(0.0));
    const double st = to_double(c->try_get(Prop::ScaleTop).value_or(0.0));
    auto local = [&](double page_x, double page_y) {
        return std::pair{(page_x - c->client_origin_x_twips()) / c->twips_per_scale_unit_x() + sl,
                         (page_y - c->client_origin_y_twips()) / c->twips_per_scale_unit_y() + st};
    };
    const double w = c->traits().container ? c->client_width_twips() : c->rect_twips().width;
    const double h = c->traits().container ? c->client_height_twips() : c->rect_twips().height;
    const double x0 = c->client_origin_x_twips() + w / 2;
    const double y0 = c->client_origin_y_twips() + h / 2;
    auto [lx, ly] = local(x0, y0);
    mouse_down(c, kLeftButton, 0, lx, ly);
    for (int i = 1; i <= steps && c->alive(); ++i) {
        const double t = static_cast<double>(i) / steps;
        auto [mx, my] = local(x0 + dx * t, y0 + dy * t);
        mouse_move(c, kLeftButton, 0, mx, my);
    }
    if (!c->alive()) return true;
    auto [ux, uy] = local(x0 + dx, y0 + dy);
    mouse_up(c, kLeftButton, 0, ux, uy);
    return true;
}

}  // namespace kv::mem
