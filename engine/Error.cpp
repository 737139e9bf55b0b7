#include "engine/Error.h"

namespace kv {

Error::Error(int32_t number, std::string description, std::string source)
    : std::runtime_error(description),
      number_(number),
      description_(std::move(description)),
      source_(std::move(source)) {}

Error Error::standard(int32_t number) {
    return Error(number, standard_error_text(number));
}

std::string standard_error_text(int32_t number) {
    switch (number) {
        case kErrInvalidCall:
            return "Invalid procedure call or argument";
        case kErrOverflow:
            return "Overflow";
        case kErrSubscript:
            return "Subscript out of range";
        case kErrDivisionByZero:
            return "Division by zero";
        case kErrTypeMismatch:
            return "Type mismatch";
        case kErrObjectNotSet:
            return "Object variable or With block variable not set";
        case kErrControlArrayElement:
            return "Control array element doesn't exist";
        case kErrNotAnArray:
            return "Object not an array";
        case kErrNoSuchProperty:
            return "Object doesn't support this property or method";
        case kErrControlNotFound:
            return "Control not found";
        default:
            return "Application-defined or object-defined error";
    }
}

}  // namespace kv
