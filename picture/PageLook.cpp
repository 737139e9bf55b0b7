#include "picture/PageLook.h"

namespace kv::app {

std::optional<QColor> own_colour(const std::optional<double>& v) {
    if (!v || *v < 0 || *v >= 2147483648.0) return std::nullopt;
    const auto bgr = static_cast<uint32_t>(*v);
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

}  // namespace kv::app
