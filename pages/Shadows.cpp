#include "pages/Shadows.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "control/ControlLookup.h"
#include "engine/Error.h"
#include "engine/Host.h"
#include "engine/HostAccess.h"
#include "engine/TextCase.h"

namespace kv {

namespace {

constexpr std::string_view kShadowPrefix = "ShadowOf";
constexpr std::string_view kIndexMark = "_Index";
constexpr std::string_view kPlainMark = "_Plain";
constexpr double kShadowOffset = 35;         // twips up and left of the scaled place
constexpr double kLineShadowThickness = 45;  // twips: three pixels

std::optional<int> array_index(HostObject& control) {
    const auto index = try_num(control, Prop::Index);
    if (!index || *index == -1) return std::nullopt;
    return static_cast<int>(*index);
}

bool ends_with_folded(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && same_text(text.substr(text.size() - tail.size()), tail);
}

// The index of a name ending in "_Index" and digits (any case), and where the mark starts.
std::optional<std::pair<size_t, int>> index_suffix(std::string_view name) {
    size_t digits = name.size();
    while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9') --digits;
    const size_t count = name.size() - digits;
    if (count == 0 || count > 5 || digits < kIndexMark.size() + 1) return std::nullopt;
    const size_t mark = digits - kIndexMark.size();
    if (!same_text(name.substr(mark, kIndexMark.size()), kIndexMark)) return std::nullopt;
    return std::pair{mark, std::stoi(std::string(name.substr(digits)))};
}

// A name that could be read as an element's ("price_Index2") or as a marked one ("x_Plain").
bool confusable(std::string_view name) {
    return index_suffix(name).has_value() || ends_with_folded(name, kPlainMark);
}

}  // namespace

// An element of a control array is "ShadowOf" + Name + "_Index" + Index. A control outside an
// array whose own name ends like that (or in "_Plain") gets "_Plain" after its name, so that no
// two controls share a shadow name and each shadow name leads back to its control.
std::string shadow_name_of(HostObject& control) {
    const std::string name = text(control, Prop::Name);
    std::string shadow = std::string(kShadowPrefix) + name;
    if (const auto index = array_index(control))
        shadow += std::string(kIndexMark) + std::to_string(*index);
    else if (confusable(name))
        shadow += kPlainMark;
    return shadow;
}

ObjectRef control_of_shadow_name(const ObjectRef& form, std::string_view shadow_name) {
    if (!form) return nullptr;
    std::string_view rest = shadow_name;
    if (rest.starts_with(kShadowPrefix)) rest.remove_prefix(kShadowPrefix.size());
    try {
        auto controls = form->controls();
        if (ends_with_folded(rest, kPlainMark)) {
            const std::string_view name = rest.substr(0, rest.size() - kPlainMark.size());
            const ObjectRef c = controls->find(name);
            return c && !array_index(*c) ? c : nullptr;
        }
        if (const auto element = index_suffix(rest))
            return controls->find(rest.substr(0, element->first), element->second);
        const ObjectRef c = controls->find(rest);
        return c && !array_index(*c) ? c : nullptr;
    } catch (const Error&) {
        return nullptr;
    }
}

std::string control_key_of_shadow_name(const ObjectRef& form, std::string_view shadow_name) {
    const ObjectRef control = control_of_shadow_name(form, shadow_name);
    if (!control) return {};
    try {
        return control_key(*control);
    } catch (const Error&) {
        return {};
    }
}

std::string shadow_name_of_key(const ObjectRef& form, std::string_view key) {
    ObjectRef control;
    try {
        control = find_control_by_key(form, key);
    } catch (const Error&) {
        return {};
    }
    return control ? shadow_name_of(*control) : std::string();
}

ObjectRef get_or_create_shadow(HostObject& control, const ObjectRef& shadow_container,
                               ControlCollection& page_controls) {
    const std::string name = shadow_name_of(control);
    ObjectRef shadow = page_controls.try_find(name);
    if (!shadow) shadow = page_controls.add("VB.PictureBox", name, shadow_container);
    shadow->set(Prop::Tag, Value(std::string(kShadowTag)));
    shadow->set(Prop::TabStop, Value(false));
    try {
        shadow->set(Prop::TabStop, control.get(Prop::TabStop));
    } catch (const Error& e) {
        if (e.number() != kErrNoSuchProperty)
            Host::current().msg_box(e.description(), kOKOnly, std::to_string(e.number()));
    }
    return shadow;
}

std::optional<ControlPlace> control_place(HostObject& control) {
    ControlPlace p;
    // One read for the rectangle: a host answers it with one look at the container's scale.
    static constexpr std::array kBox{Prop::Left, Prop::Top, Prop::Width, Prop::Height};
    double box[kBox.size()];
    if (control.try_get_numbers(kBox, box) == (1u << kBox.size()) - 1) {
        p.left = box[0], p.top = box[1], p.width = box[2], p.height = box[3];
        return p;
    }
    const auto x1 = try_num(control, Prop::X1), y1 = try_num(control, Prop::Y1);
    const auto x2 = try_num(control, Prop::X2), y2 = try_num(control, Prop::Y2);
    if (!x1 || !y1 || !x2 || !y2) return std::nullopt;
    p.line = true;
    p.x1 = *x1, p.y1 = *y1, p.x2 = *x2, p.y2 = *y2;
    p.left = std::min(*x1, *x2), p.top = std::min(*y1, *y2);
    p.width = std::abs(*x2 - *x1), p.height = std::abs(*y2 - *y1);
    return p;
}

ShadowScale shadow_scale(HostObject& real_container, HostObject& shadow_container) {
    ShadowScale s;
    const double shadow_w = num(shadow_container, Prop::Width);
    const double shadow_h = num(shadow_container, Prop::Height);
    const auto real_w = try_num(real_container, Prop::Width);
    const auto real_h = try_num(real_container, Prop::Height);
    if (real_w && real_h && *real_w != 0 && *real_h != 0) {
        s.fx = shadow_w / *real_w;
        s.fy = shadow_h / *real_h;
    }
    const auto scale_w = try_num(real_container, Prop::ScaleWidth);
    const auto scale_h = try_num(real_container, Prop::ScaleHeight);
    if (scale_w && scale_h && *scale_w != 0 && *scale_h != 0) {
        s.fx = shadow_w / *scale_w;
        s.fy = shadow_h / *scale_h;
    }
    return s;
}

namespace {

// Move the shadow to the place scaled by `s`, 35 twips up and left.
void put_shadow(const ControlPlace& p, const ShadowScale& s, HostObject& shadow) {
    double left = p.left * s.fx - kShadowOffset, top = p.top * s.fy - kShadowOffset;
    double width = p.width * s.fx, height = p.height * s.fy;
    if (p.line) {
        // A line is drawn over its box; a flat one still gets a shadow a hand can hit.
        if (width < kLineShadowThickness) {
            left -= (kLineShadowThickness - width) / 2;
            width = kLineShadowThickness;
        }
        if (height < kLineShadowThickness) {
            top -= (kLineShadowThickness - height) / 2;
            height = kLineShadowThickness;
        }
    }
    shadow.move(left, top, width, height);
}

}  // namespace

std::optional<ControlPlace> place_shadow(HostObject& control, HostObject& real_container,
                                         HostObject& shadow, HostObject& shadow_container) {
    const auto p = control_place(control);
    if (!p) return std::nullopt;  // a control without a place keeps its shadow as is
    put_shadow(*p, shadow_scale(real_container, shadow_container), shadow);
    return p;
}

std::optional<ControlPlace> place_shadow(HostObject& control, const ShadowScale& scale,
                                         HostObject& shadow) {
    const auto p = control_place(control);
    if (p) put_shadow(*p, scale, shadow);
    return p;
}

namespace {

// A shadow container is placed before what it holds and not again while the form is drawn, so
// its scale is read once.
ShadowScale scale_into(HostObject& real_container, HostObject& shadow_container, ShadowsGot* got) {
    if (!got) return shadow_scale(real_container, shadow_container);
    const auto [at, fresh] = got->scales.try_emplace(&shadow_container);
    if (fresh) at->second = shadow_scale(real_container, shadow_container);
    return at->second;
}

}  // namespace

ObjectRef shadow_with_chain(const ObjectRef& control, const ObjectRef& form, const ObjectRef& root,
                            ControlCollection& page_controls, ShadowsGot* got) {
    if (!control) return nullptr;
    if (got)
        if (const auto it = got->shadows.find(control.get()); it != got->shadows.end())
            return it->second;
    ObjectRef shadow;
    // A timer or a menu has no place on the form: no shadow to click that shows nothing.
    const auto place = control_place(*control);
    const ObjectRef container = place ? try_container(*control) : nullptr;
    if (container && same_object(container, form)) {
        shadow = get_or_create_shadow(*control, root, page_controls);
        put_shadow(*place, scale_into(*form, *root, got), *shadow);
    } else if (container) {
        const ObjectRef container_shadow =
            shadow_with_chain(container, form, root, page_controls, got);
        if (container_shadow) {
            shadow = get_or_create_shadow(*control, container_shadow, page_controls);
            put_shadow(*place, scale_into(*container, *container_shadow, got), *shadow);
        }
    }
    if (got) got->shadows.emplace(control.get(), shadow);
    return shadow;
}

bool is_shadow(HostObject& object) {
    const auto tag = try_text(object, Prop::Tag);
    return tag && tag->starts_with(kShadowTagPrefix);
}

void hide_shadows(ControlCollection& page_controls) {
    const size_t n = page_controls.count();
    for (size_t i = 0; i < n; ++i) {
        const ObjectRef c = page_controls.item(i);
        if (!is_shadow(*c)) continue;
        c->set(Prop::Visible, Value(false));
        c->set(Prop::Tag, Value(std::string(kHiddenShadowTag)));
    }
}

}  // namespace kv
