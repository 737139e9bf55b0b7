#include "host/common/UpDownLook.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "host/common/NamedValues.h"
#include "host/common/TextFold.h"

namespace kv::host {

bool UpDownLook::candidate(std::string_view class_name) {
    return iequal(class_name, "UpDown");
}

UpDownLook UpDownLook::read(HostObject& c) {
    UpDownLook u;
    u.min = named_number(c, "Min").value_or(0);
    u.max = named_number(c, "Max").value_or(10);
    u.value = named_number(c, "Value").value_or(u.min);
    // A step of nothing (or less) would never move: the control takes one.
    u.increment = std::max(1.0, std::abs(named_number(c, "Increment").value_or(1)));
    u.across = named_number(c, "Orientation").value_or(0) == 1;
    u.wrap = named_number(c, "Wrap").value_or(0) != 0;
    u.buddy = named_text(c, "BuddyControl").value_or("");
    u.sync_buddy = named_number(c, "SyncBuddy").value_or(0) != 0;
    return u;
}

double UpDownLook::step(bool up) const {
    const double low = std::min(min, max), high = std::max(min, max);
    const double towards_max = max >= min ? 1 : -1;
    const double next = std::clamp(value, low, high) + (up ? 1 : -1) * towards_max * increment;
    if (next > high) return wrap ? low : high;
    if (next < low) return wrap ? high : low;
    return next;
}

std::string UpDownLook::text_of(double value) {
    if (value == std::round(value) && std::abs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

}  // namespace kv::host
