#include "panes/PaneMath.h"

#include <algorithm>

#include "engine/Modes.h"

namespace kv {

int32_t ExchangeKeepAbsolute(int32_t mode) {
    switch (mode) {
        case KV_KEEP:
            return KV_ABSOLUTE;
        case KV_ABSOLUTE:
            return KV_KEEP;
        case KV_RELATIVE:
            return KV_RELATIVE;
        case KV_FLOAT:
            return KV_FLOAT;
        default:
            return KV_KEEP;
    }
}

int compare_extent(double a_start, double a_size, double b_start, double b_size) {
    const double a_end = a_start + a_size;
    const double b_end = b_start + b_size;
    // Strict: touching extents count as overlapping, the designer must leave a gap.
    int answer = 0;
    if (a_end < b_start) answer = 1;
    if (b_end < a_start) answer = -1;
    return answer;
}

void EnforceMinimum(double min, double& a, double& b) {
    if (a < min) {
        b -= min - a;
        a = min;
    }
    if (b < min) {
        a -= min - b;
        b = min;
    }
}

double first_share(double usable, double ratio, double min) {
    double first = usable * ratio;
    double second = usable - first;
    EnforceMinimum(min, first, second);
    return first;
}

double first_band(double usable, double ratio, double min, double gap) {
    return std::min(first_share(usable, ratio, min), usable - gap - min);
}

double ratio_from_point(float pos, double area_start, double area_end_margin, double container_size,
                        double min_size, double usable, double current) {
    // The bounds are compared as singles, as the pointer position is one.
    if (static_cast<float>(area_start + min_size) > pos) {
        pos = static_cast<float>(area_start + min_size);
    } else if (static_cast<float>(area_end_margin + min_size) > container_size - pos) {
        pos = static_cast<float>(container_size - area_end_margin - min_size);
    }
    double ratio = current;
    if (usable != 0) ratio = (pos - area_start) / usable;
    if (ratio > 1) ratio = 1;
    if (ratio < 0) ratio = 0;
    return ratio;
}

int32_t pointer_for_flags(int32_t flags) {
    switch (flags) {
        case 1:
            return 9;
        case 2:
            return 7;
        case 3:
            return 8;
        default:
            return 0;
    }
}

}  // namespace kv
