#include "engine/HostObject.h"

#include <array>

#include "engine/HostAccess.h"
#include "engine/Numbers.h"
#include "engine/TextCase.h"

namespace kv {

namespace {
constexpr std::array<std::string_view, static_cast<size_t>(Prop::Count_)> kNames = {
    "Left",        "Top",      "Width",        "Height",     "X1",          "Y1",
    "X2",          "Y2",       "Name",         "Index",      "Align",       "Visible",
    "Tag",         "FontSize", "MousePointer", "BackColor",  "TabIndex",    "TabStop",
    "ToolTipText", "Caption",  "BorderStyle",  "ScaleWidth", "ScaleHeight", "ScaleMode",
    "ScaleLeft",   "ScaleTop", "WindowState",  "MDIChild",   "hWnd",        "StartUpPosition"};
}  // namespace

std::string_view prop_name(Prop p) {
    return kNames.at(static_cast<size_t>(p));
}

std::optional<Prop> prop_from_name(std::string_view name) {
    for (size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i].size() == name.size() && same_text(kNames[i], name))
            return static_cast<Prop>(i);
    return std::nullopt;
}

std::optional<Value> HostObject::try_get(Prop p) {
    try {
        return get(p);
    } catch (const Error&) {
        return std::nullopt;
    }
}

ObjectRef HostObject::try_container() {
    try {
        return container();
    } catch (const Error&) {
        return nullptr;
    }
}

double HostObject::get_number(Prop p) {
    return to_double(get(p));
}

bool HostObject::try_get_number(Prop p, double& out) {
    const auto v = try_get(p);
    if (!v) return false;
    try {
        out = to_double(*v);
        return true;
    } catch (const Error&) {
        return false;
    }
}

uint32_t HostObject::try_get_numbers(std::span<const Prop> props, double* out) {
    uint32_t got = 0;
    for (size_t i = 0; i < props.size() && i < 32; ++i)
        if (try_get_number(props[i], out[i])) got |= 1u << i;
    return got;
}

bool HostObject::contained_in(const HostObject& candidate) {
    const ObjectRef c = try_container();
    return c.get() == &candidate;
}

Value HostObject::get_item(std::string_view, int) {
    throw Error::standard(kErrNoSuchProperty);
}
void HostObject::set_item(std::string_view, int, const Value&) {
    throw Error::standard(kErrNoSuchProperty);
}
void HostObject::add_item(const std::string&, std::optional<int>) {
    throw Error::standard(kErrNoSuchProperty);
}
void HostObject::remove_item(int) {
    throw Error::standard(kErrNoSuchProperty);
}
void HostObject::clear_items() {
    throw Error::standard(kErrNoSuchProperty);
}
void HostObject::set_focus() {
    throw Error::standard(kErrNoSuchProperty);
}

std::vector<ObjectRef> ControlCollection::having(Prop) {
    std::vector<ObjectRef> all;
    const size_t n = count();
    all.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        try {
            all.push_back(item(i));
        } catch (const Error&) {
            // a control that cannot be reached has no property to read
        }
    }
    return all;
}

ObjectRef ControlCollection::try_find(std::string_view name) {
    try {
        return find(name);
    } catch (const Error&) {
        return nullptr;
    }
}

ObjectRef ControlCollection::load(std::string_view, int) {
    throw Error::standard(kErrNoSuchProperty);
}

ObjectRef ControlCollection::add_array(std::string_view, std::string_view, int, const ObjectRef&) {
    throw Error::standard(kErrNoSuchProperty);
}

std::string control_key(HostObject& control) {
    std::string key = text(control, Prop::Name);
    if (auto idx = try_num(control, Prop::Index); idx && *idx != -1)
        key += "(" + number_to_text(*idx) + ")";
    return key;
}

}  // namespace kv
