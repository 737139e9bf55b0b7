#pragma once
// Typed helpers for reading host objects: the plain read throws like the host, the try_ read
// tolerates a failure (error 438 or any other host error) and answers nullopt.
#include <optional>
#include <string>

#include "engine/Error.h"
#include "engine/HostObject.h"

namespace kv {

inline double num(HostObject& o, Prop p) {
    return o.get_number(p);
}
inline std::string text(HostObject& o, Prop p) {
    return to_text(o.get(p));
}
inline bool flag(HostObject& o, Prop p) {
    return to_bool(o.get(p));
}

// Tolerated reads go through try_get, so a host that answers without throwing keeps them cheap;
// a value of the wrong kind also counts as a failed read.
inline std::optional<double> try_num(HostObject& o, Prop p) {
    double v = 0;
    if (!o.try_get_number(p, v)) return std::nullopt;
    return v;
}
inline std::optional<std::string> try_text(HostObject& o, Prop p) {
    const auto v = o.try_get(p);
    if (!v) return std::nullopt;
    return to_text(*v);
}
inline std::optional<bool> try_flag(HostObject& o, Prop p) {
    const auto v = o.try_get(p);
    if (!v) return std::nullopt;
    try {
        return to_bool(*v);
    } catch (const Error&) {
        return std::nullopt;
    }
}
inline ObjectRef try_container(HostObject& o) {
    return o.try_container();
}
inline ObjectRef try_parent(HostObject& o) {
    try {
        return o.parent();
    } catch (const Error&) {
        return nullptr;
    }
}

// The control key: Name, or Name(Index) for an element of a control array.
std::string control_key(HostObject& control);

}  // namespace kv
