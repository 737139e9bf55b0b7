#include "engine/SuppressibleError.h"

#include "engine/Host.h"
#include "engine/HostAccess.h"

namespace kv {

void ShowSuppressibleError(int32_t& state, const std::string& text, const ObjectRef& form) {
    if (state == kCancel) return;
    std::string shown = text + "\r\n\r\n(Click cancel to avoid more error messages for ";
    shown += form ? "the form " + kv::text(*form, Prop::Name) : std::string("this form");
    shown += ".)";
    state = Host::current().msg_box(shown, kOKCancel | kCritical, "");
}

}  // namespace kv
