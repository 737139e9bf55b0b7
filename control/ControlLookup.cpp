#include "control/ControlLookup.h"

#include "control/SettingsStrings.h"
#include "engine/Error.h"

namespace kv {

ObjectRef find_control_by_key(const ObjectRef& form, std::string_view key) {
    if (!form) return nullptr;
    // Parsed before asking the host: a bad index must abort the caller.
    ControlKeyParts parts = parse_control_key(key);
    try {
        auto controls = form->controls();
        if (!controls) return nullptr;
        if (parts.index) return controls->find(parts.name, *parts.index);
        return controls->try_find(parts.name);
    } catch (const Error&) {
        return nullptr;
    }
}

}  // namespace kv
