#pragma once
// Shadows: the plain picture boxes a page draws for the controls of the form being designed,
// named after their control ("ShadowOfText1", "ShadowOfText1_Index3"), made in the page's own
// Controls collection and placed at the control's scaled position.
#include <string>
#include <string_view>

#include "engine/HostObject.h"

namespace kv {

inline constexpr std::string_view kShadowTagPrefix = "shadow.";
inline constexpr std::string_view kShadowTag = "shadow.0";
inline constexpr std::string_view kHiddenShadowTag = "remove this tag in timer!!!";

// "ShadowOf" + Name, and "_Index" + Index for an element of a control array.
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
// Move the shadow to the control's place scaled from the real container to the shadow's one,
// 35 twips up and left.
void place_shadow(HostObject& control, HostObject& real_container, HostObject& shadow,
                  HostObject& shadow_container);
// The control's shadow, inside the shadows of its containers up to `root` (which stands for the
// form); nullptr when the control has no readable container.
ObjectRef shadow_with_chain(const ObjectRef& control, const ObjectRef& form, const ObjectRef& root,
                            ControlCollection& page_controls);
// Hide every shadow of the collection and untag it until it is got again.
void hide_shadows(ControlCollection& page_controls);
// Is the object a shadow (its Tag begins with "shadow.")?
bool is_shadow(HostObject& object);

}  // namespace kv
