#include "host/common/NamedValues.h"

#include <algorithm>
#include <cmath>

#include "engine/Error.h"

namespace kv::host {

std::optional<Value> named_value(HostObject& o, const std::string& name) {
    try {
        return o.get(name);
    } catch (const Error&) {
        return std::nullopt;
    }
}

std::optional<double> named_number(HostObject& o, const std::string& name) {
    const auto v = named_value(o, name);
    if (!v) return std::nullopt;
    try {
        const double x = to_double(*v);
        if (std::isfinite(x)) return x;
    } catch (const Error&) {
    }
    return std::nullopt;
}

std::optional<std::string> named_text(HostObject& o, const std::string& name) {
    const auto v = named_value(o, name);
    if (!v) return std::nullopt;
    return to_text(*v);
}

int whole(double x, int low, int high) {
    if (std::isnan(x)) return low;
    return static_cast<int>(std::clamp(std::floor(x), double(low), double(high)));
}

double himetric_twips(double himetric) {
    return std::clamp(himetric, 0.0, 100000.0) * 1440.0 / 2540.0;
}

}  // namespace kv::host
