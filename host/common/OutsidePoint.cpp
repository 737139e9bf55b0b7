#include "host/common/OutsidePoint.h"

#include "engine/HostAccess.h"

namespace kv::host {

std::pair<double, double> point_outside(HostObject& form) {
    const double left = try_num(form, Prop::ScaleLeft).value_or(0);
    const double top = try_num(form, Prop::ScaleTop).value_or(0);
    // A form of no size still needs a point off it: one unit past its origin.
    const double width = try_num(form, Prop::ScaleWidth).value_or(0);
    const double height = try_num(form, Prop::ScaleHeight).value_or(0);
    return {left - (width != 0 ? width : 1), top - (height != 0 ? height : 1)};
}

}  // namespace kv::host
