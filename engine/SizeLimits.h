#pragma once
// The minimum and maximum size of a form's window, enforced by a layer above the engine (window
// subclassing). The form sizer asks its maker for a fresh enforcer each time the limits change
// and owns it; releasing it lifts the limits.
#include <cstdint>
#include <functional>
#include <memory>

#include "engine/HostObject.h"

namespace kv {

class SizeLimits {
  public:
    virtual ~SizeLimits() = default;

    // Limits in twips; 0 or less after conversion to pixels means no limit on that side.
    virtual bool SetMinMax(WindowHandle hFormWnd, int32_t lMinXtwips, int32_t lMinYtwips,
                           int32_t lMaxXtwips, int32_t lMaxYtwips) = 0;
};

using SizeLimitsMaker = std::function<std::shared_ptr<SizeLimits>()>;

}  // namespace kv
