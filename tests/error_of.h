#pragma once
// The number of the host error a call raises, 0 when it raises none.
#include <functional>

#include "engine/Error.h"

inline int error_of(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const kv::Error& e) {
        return e.number();
    }
    return 0;
}
