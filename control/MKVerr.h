#pragma once
// The system's subclassing errors: numbers 13081-13084 or'ed with kObjectError, source
// "<exe name>.WindowProc"; numbers of 1000 and below are the host's standard run-time errors.
#include <cstdint>
#include <string>

#include "engine/Error.h"

namespace kv::MKVerr {

inline constexpr int32_t kErrCantSubclass = 13081;
inline constexpr int32_t kErrAlreadyHandled = 13082;
inline constexpr int32_t kErrInvalidWindow = 13083;
inline constexpr int32_t kErrExternalWindow = 13084;

// The message text of a subclassing error number (empty for numbers it does not know).
std::string subclass_error_text(int32_t number);
// The error object for the number, ready to throw.
Error subclass_error(int32_t number);

}  // namespace kv::MKVerr
