#include "pages/Shadows.h"

#include "control/ControlLookup.h"
#include "engine/Error.h"
#include "engine/Host.h"
#include "engine/HostAccess.h"

namespace kv {

namespace {

constexpr std::string_view kShadowPrefix = "ShadowOf";
constexpr std::string_view kIndexMark = "_Index";
constexpr double kShadowOffset = 35;  // twips up and left of the scaled place

std::optional<int> array_index(HostObject& control) {
    const auto index = try_num(control, Prop::Index);
    if (!index || *index == -1) return std::nullopt;
    return static_cast<int>(*index);
}

}  // namespace

std::string shadow_name_of(HostObject& control) {
    std::string name = std::string(kShadowPrefix) + text(control, Prop::Name);
    if (const auto index = array_index(control))
        name += std::string(kIndexMark) + std::to_string(*index);
    return name;
}

ObjectRef control_of_shadow_name(const ObjectRef& form, std::string_view shadow_name) {
    if (!form) return nullptr;
    std::string_view rest = shadow_name;
    if (rest.starts_with(kShadowPrefix)) rest.remove_prefix(kShadowPrefix.size());
    try {
        auto controls = form->controls();
        const size_t at = rest.find(kIndexMark);
        if (at != std::string_view::npos && at > 0) {
            const std::string number(rest.substr(at + kIndexMark.size()));
            size_t used = 0;
            const int index = std::stoi(number, &used);
            if (used != number.size()) return nullptr;
            return controls->find(rest.substr(0, at), index);
        }
        return controls->find(rest);
    } catch (const Error&) {
        return nullptr;
    } catch (const std::logic_error&) {  // no number after "_Index"
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
    ObjectRef shadow;
    try {
        shadow = page_controls.find(name);
    } catch (const Error&) {
        shadow = page_controls.add("VB.PictureBox", name, shadow_container);
    }
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

void place_shadow(HostObject& control, HostObject& real_container, HostObject& shadow,
                  HostObject& shadow_container) {
    double fx = 1, fy = 1;
    const double shadow_w = num(shadow_container, Prop::Width);
    const double shadow_h = num(shadow_container, Prop::Height);
    const auto real_w = try_num(real_container, Prop::Width);
    const auto real_h = try_num(real_container, Prop::Height);
    if (real_w && real_h && *real_w != 0 && *real_h != 0) {
        fx = shadow_w / *real_w;
        fy = shadow_h / *real_h;
    }
    const auto scale_w = try_num(real_container, Prop::ScaleWidth);
    const auto scale_h = try_num(real_container, Prop::ScaleHeight);
    if (scale_w && scale_h && *scale_w != 0 && *scale_h != 0) {
        fx = shadow_w / *scale_w;
        fy = shadow_h / *scale_h;
    }
    const auto l = try_num(control, Prop::Left), t = try_num(control, Prop::Top);
    const auto w = try_num(control, Prop::Width), h = try_num(control, Prop::Height);
    if (!l || !t || !w || !h) return;  // a control without a rectangle keeps its shadow as is
    shadow.move(*l * fx - kShadowOffset, *t * fy - kShadowOffset, *w * fx, *h * fy);
}

ObjectRef shadow_with_chain(const ObjectRef& control, const ObjectRef& form, const ObjectRef& root,
                            ControlCollection& page_controls) {
    if (!control) return nullptr;
    const ObjectRef container = try_container(*control);
    if (!container) return nullptr;
    if (same_object(container, form)) {
        ObjectRef shadow = get_or_create_shadow(*control, root, page_controls);
        place_shadow(*control, *form, *shadow, *root);
        return shadow;
    }
    const ObjectRef container_shadow = shadow_with_chain(container, form, root, page_controls);
    if (!container_shadow) return nullptr;
    ObjectRef shadow = get_or_create_shadow(*control, container_shadow, page_controls);
    place_shadow(*control, *container, *shadow, *container_shadow);
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
