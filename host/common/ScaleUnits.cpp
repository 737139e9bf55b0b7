#include "host/common/ScaleUnits.h"

#include "engine/HostObject.h"

namespace kv::host {

std::optional<double> twips_per_unit(int mode, bool x_axis, double twips_per_pixel) {
    switch (mode) {
        case kScaleTwips:
            return 1.0;
        case kScalePoints:
            return 20.0;
        case kScalePixels:
            return twips_per_pixel;
        case kScaleCharacters:
            return x_axis ? 120.0 : 240.0;
        case kScaleInches:
            return 1440.0;
        case kScaleMillimeters:
            return 1440.0 / 25.4;
        case kScaleCentimeters:
            return 1440.0 / 2.54;
        case kScaleHimetric:
            return 1440.0 / 2540.0;
        default:
            return std::nullopt;
    }
}

}  // namespace kv::host
