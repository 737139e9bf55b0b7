#pragma once
// The message box for set-up problems of every layer. Its Cancel button silences
// further messages of the same owner (a form sizer or a pane), which keeps its own state.
#include <cstdint>
#include <string>

#include "engine/HostObject.h"

namespace kv {

// Shows `text` with the suppression hint for `form` (or "this form" when null) in an OK/Cancel
// box with the critical icon, unless `state` is 2 (Cancel was pressed before). The button
// pressed is stored in `state`.
void ShowSuppressibleError(int32_t& state, const std::string& text, const ObjectRef& form);

}  // namespace kv
