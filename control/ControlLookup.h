#pragma once
// Finding a control of a form by its control key ("Text1" or "Label2(3)").
#include <string_view>

#include "engine/HostObject.h"

namespace kv {

// The control named by `key` on `form`, or nullptr when the form has none (the host's failures
// are swallowed). A non-numeric array index is not swallowed: kv::Error 13 reaches the caller.
ObjectRef find_control_by_key(const ObjectRef& form, std::string_view key);

}  // namespace kv
