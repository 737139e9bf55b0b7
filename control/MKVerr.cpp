#include "control/MKVerr.h"

#include "engine/Host.h"

namespace kv::MKVerr {

std::string subclass_error_text(int32_t number) {
    switch (number) {
        case kErrCantSubclass:
            return "Can't subclass window";
        case kErrAlreadyHandled:
            return "Message already handled by another class";
        case kErrInvalidWindow:
            return "Invalid window";
        case kErrExternalWindow:
            return "Can't modify external window";
        default:
            return {};
    }
}

Error subclass_error(int32_t number) {
    if (number <= 1000) return Error::standard(number);
    std::string source = ".WindowProc";
    if (Host::has_current()) source = Host::current().exe_name() + source;
    std::string text = subclass_error_text(number);
    if (text.empty()) text = standard_error_text(number | kObjectError);
    return Error(number | kObjectError, text, source);
}

}  // namespace kv::MKVerr
