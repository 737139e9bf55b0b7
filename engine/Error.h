#pragma once
// The error object of the host: a number, a description and a source. Host operations and the
// system's own numbered errors throw it; error traps catch it and report it.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace kv {

// vbObjectError: the base of user-defined error numbers.
inline constexpr int32_t kObjectError = static_cast<int32_t>(0x80040000u);

// Standard run-time error numbers the system relies on.
enum ErrNo : int32_t {
    kErrInvalidCall = 5,
    kErrOverflow = 6,
    kErrSubscript = 9,
    kErrDivisionByZero = 11,
    kErrTypeMismatch = 13,
    kErrObjectNotSet = 91,
    kErrControlArrayElement = 340,
    kErrNotAnArray = 343,
    kErrNoSuchProperty = 438,
    kErrControlNotFound = 730,
};

class Error : public std::runtime_error {
  public:
    Error(int32_t number, std::string description, std::string source = {});

    // An error with a standard number and the host's text for it.
    static Error standard(int32_t number);

    int32_t number() const { return number_; }
    const std::string& description() const { return description_; }
    const std::string& source() const { return source_; }

  private:
    int32_t number_;
    std::string description_;
    std::string source_;
};

// The host's text for a standard error number ("Application-defined or object-defined error" for
// numbers it does not know).
std::string standard_error_text(int32_t number);

}  // namespace kv
