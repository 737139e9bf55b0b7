#pragma once
// Shadows: the plain picture boxes a page draws for the controls of the form being designed,
// named after their control ("ShadowOfText1", "ShadowOfText1_Index3"), made in the page's own
// Controls collection and placed at the control's scaled position.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "engine/HostObject.h"

namespace kv {

inline constexpr std::string_view kShadowTagPrefix = "shadow.";
inline constexpr std::string_view kShadowTag = "shadow.0";
inline constexpr std::string_view kHiddenShadowTag = "remove this tag in timer!!!";

// "ShadowOf" + Name, and "_Index" + Index for an element of a control array. A control outside
// an array whose name ends in "_Index" and digits, or in "_Plain", gets "_Plain" appended, so
// that its shadow name is never read as an element's ("ShadowOfprice_Index2_Plain").
std::string shadow_name_of(HostObject& control);
// The form's control a shadow name stands for, nullptr when there is none.
ObjectRef control_of_shadow_name(const ObjectRef& form, std::string_view shadow_name);
// The control key of a shadow name's control ("" when there is none).
std::string control_key_of_shadow_name(const ObjectRef& form, std::string_view shadow_name);
// The shadow name of the control a key names ("" when there is none).
std::string shadow_name_of_key(const ObjectRef& form, std::string_view key);

// The shadow of `control` in `page_controls`, made inside `shadow_container` when there is none
// yet. It is tagged "shadow.0" and copies the control's TabStop.
ObjectRef get_or_create_shadow(HostObject& control, const ObjectRef& shadow_container,
                               ControlCollection& page_controls);
// Where a control stands in its container's scale units: Left, Top, Width and Height, or for a
// line its two ends (the box between them as the rectangle). nullopt for a control without a
// place on the form (a timer, a menu).
struct ControlPlace {
    double left = 0, top = 0, width = 0, height = 0;
    bool line = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a line's ends
};
std::optional<ControlPlace> control_place(HostObject& control);

// The scale factors from a real container to its shadow: the shadow's size over the container's
// scale size (its outer size where it has no scale).
struct ShadowScale {
    double fx = 1, fy = 1;
};
ShadowScale shadow_scale(HostObject& real_container, HostObject& shadow_container);

// Move the shadow to the control's place scaled from the real container to the shadow's one,
// 35 twips up and left. A line's shadow is its box, at least a few pixels thick so that it can
// be clicked. Answers the place it was put for (nullopt: the control has none; nothing moves).
std::optional<ControlPlace> place_shadow(HostObject& control, HostObject& real_container,
                                         HostObject& shadow, HostObject& shadow_container);
// The same with the scale from the control's container to the shadow's already worked out.
std::optional<ControlPlace> place_shadow(HostObject& control, const ShadowScale& scale,
                                         HostObject& shadow);
// The shadows got while drawing the shadow form, by their control (nullptr: none), and the scale
// into each shadow container: a container's shadow is got, placed and measured once, not again
// for every control inside it.
struct ShadowsGot {
    std::unordered_map<const HostObject*, ObjectRef> shadows;
    std::unordered_map<const HostObject*, ShadowScale> scales;  // by shadow container
};
// The control's shadow, inside the shadows of its containers up to `root` (which stands for the
// form); nullptr when the control has no readable container or no place (control_place). With
// `got`, a control's shadow is got once and then answered from there.
ObjectRef shadow_with_chain(const ObjectRef& control, const ObjectRef& form, const ObjectRef& root,
                            ControlCollection& page_controls, ShadowsGot* got = nullptr);
// Hide every shadow of the collection and untag it until it is got again.
void hide_shadows(ControlCollection& page_controls);
// Is the object a shadow (its Tag begins with "shadow.")?
bool is_shadow(HostObject& object);

}  // namespace kv
