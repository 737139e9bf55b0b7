// What a page's controls do beyond plain properties: option groups, check boxes, list and combo
// boxes, focus, and the click and change events these raise.
#include <cmath>

#include "engine/Error.h"
#include "host/memory/ChangeJournal.h"
#include "host/memory/CommonNames.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryObject.h"

namespace kv::mem {

namespace {
int to_index(const Value& v) {
    return static_cast<int>(std::lround(to_double(v)));
}
}  // namespace

ListItems* MemoryObject::list_items() {
    if (!is_list()) return nullptr;
    if (!list_) list_ = std::make_unique<ListItems>();
    return list_.get();
}

void MemoryObject::raise_click() {
    events_.raise([](EventSink& s) { s.on_click(); });
}
void MemoryObject::raise_dbl_click() {
    events_.raise([](EventSink& s) { s.on_dbl_click(); });
}
void MemoryObject::raise_change() {
    events_.raise([](EventSink& s) { s.on_change(); });
}

void MemoryObject::set_option_value(bool on) {
    const bool was = has_extra("Value") && to_bool(get_extra("Value"));
    set_extra("Value", on);
    if (!on || was) return;
    // One option of a container is on: the others of the same container go off.
    if (auto f = form())
        for (const auto& c : f->all_controls())
            if (c.get() != this && c->container_ptr_ == container_ptr_ &&
                c->class_name_ == "OptionButton")
                c->set_extra("Value", false);
    raise_click();
}

int MemoryObject::multi_select_mode() const {
    return has_extra("MultiSelect") ? to_index(get_extra("MultiSelect")) : 0;
}

bool MemoryObject::get_control_value(std::string_view name, Value& out) {
    if (iequal(name, "Value")) {
        if (class_name_ == "OptionButton")
            out = has_extra(name) ? Value(to_bool(get_extra(name))) : Value(false);
        else if (class_name_ == "CheckBox")
            out = has_extra(name) ? Value(to_double(get_extra(name))) : Value(0.0);
        else
            return false;
        return true;
    }
    ListItems* list = list_items();
    if (!list) return false;
    if (iequal(name, "ListCount")) {
        out = static_cast<double>(list->count());
    } else if (iequal(name, "ListIndex")) {
        out = static_cast<double>(list->list_index());
    } else if (iequal(name, "Text") && class_name_ == "ListBox") {
        out = list->list_index() >= 0 ? list->item(list->list_index()) : std::string();
    } else {
        return false;
    }
    return true;
}

bool MemoryObject::set_control_value(std::string_view name, const Value& v) {
    if (iequal(name, "Value")) {
        if (class_name_ == "OptionButton") {
            set_option_value(to_bool(v));
        } else if (class_name_ == "CheckBox") {
            const int value = to_index(v);
            if (value < 0 || value > 2) throw Error(380, "Invalid property value");
            const bool changed = to_index(get("Value")) != value;
            set_extra("Value", static_cast<double>(value));
            if (changed) raise_click();
        } else {
            return false;
        }
        return true;
    }
    ListItems* list = list_items();
    if (!list) return false;
    if (iequal(name, "ListCount")) throw Error(383, "'ListCount' is read-only");
    if (iequal(name, "ListIndex")) {
        const int i = to_index(v);
        const bool changed = i != list->list_index();
        list->set_list_index(i);
        if (class_name_ == "ComboBox") {
            set_extra("Text", i >= 0 ? list->item(i) : std::string());
        } else if (!multi_select()) {
            list->select_only(i);
        }
        if (changed) raise_click();
        return true;
    }
    if (iequal(name, "Text")) {
        if (class_name_ == "ListBox") throw Error(383, "'Text' is read-only");
        const bool changed = to_text(get_extra("Text")) != to_text(v);
        set_extra("Text", to_text(v));
        if (changed) raise_change();
        return true;
    }
    return false;
}

Value MemoryObject::get_item(std::string_view name, int index) {
    ListItems* list = list_items();
    if (!list) no_such_property();
    if (iequal(name, "List")) {
        // Past the end the runtime answers an empty text rather than failing.
        if (index >= 0 && static_cast<size_t>(index) >= list->count()) return std::string();
        return list->item(index);
    }
    if (iequal(name, "Selected") && class_name_ == "ListBox") return list->selected(index);
    no_such_property();
}

void MemoryObject::set_item(std::string_view name, int index, const Value& v) {
    note_change(*this);
    ListItems* list = list_items();
    if (!list) no_such_property();
    if (iequal(name, "List")) {
        list->set_item(index, to_text(v));
    } else if (iequal(name, "Selected") && class_name_ == "ListBox") {
        const bool on = to_bool(v);
        if (list->selected(index) == on) return;
        if (multi_select()) {
            list->set_selected(index, on);
        } else {
            list->select_only(on ? index : -1);
            list->set_list_index(on ? index : -1);
        }
        raise_click();
    } else {
        no_such_property();
    }
    if (logs_writes()) log_write(name, {static_cast<double>(index), v});
}

void MemoryObject::add_item(const std::string& item, std::optional<int> index) {
    note_change(*this);
    ListItems* list = list_items();
    if (!list) no_such_property();
    // A sorted list places an entry by its text, unless the program names the place.
    if (!index && has_extra("Sorted") && to_bool(get_extra("Sorted")))
        list->add_sorted(item);
    else
        list->add(item, index.value_or(-1));
}

void MemoryObject::remove_item(int index) {
    note_change(*this);
    ListItems* list = list_items();
    if (!list) no_such_property();
    list->remove(index);
}

void MemoryObject::clear_items() {
    note_change(*this);
    ListItems* list = list_items();
    if (!list) no_such_property();
    list->clear();
    if (class_name_ == "ComboBox") set_extra("Text", std::string());
}

bool MemoryObject::enabled_and_shown() const {
    for (const MemoryObject* o = this; o && !o->is_form(); o = o->live_container()) {
        if (o->has_extra("Enabled") && !to_bool(o->get_extra("Enabled"))) return false;
        for (const auto& [p, v] : o->known_)
            if (p == Prop::Visible && !to_bool(v)) return false;
    }
    return alive_;
}

bool MemoryObject::can_focus() const {
    return !is_form() && traits_.windowed && class_name_ != "Frame" && enabled_and_shown();
}

void MemoryObject::set_focus() {
    if (is_form() || !traits_.windowed || class_name_ == "Frame") no_such_property();
    if (!can_focus()) throw Error(5, "Invalid procedure call or argument");
    if (auto f = form()) f->move_focus(std::static_pointer_cast<MemoryObject>(shared_from_this()));
}

}  // namespace kv::mem
