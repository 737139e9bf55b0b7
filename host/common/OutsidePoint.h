#pragma once
// Where a simulated pointer goes to leave everything on a form: a point of the form's scale
// units one client size before its scale origin, so outside its client area (and every
// control in it) whichever way the scale runs. A move there makes a container that still holds
// the mouse capture from an earlier drag find no divider and let go.
#include <utility>

#include "engine/HostObject.h"

namespace kv::host {

std::pair<double, double> point_outside(HostObject& form);

}  // namespace kv::host
