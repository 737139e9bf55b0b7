#pragma once
// The error trap a procedure runs under: whatever it throws becomes one host error handed to a
// report, and a procedure that answers a value then answers its type's zero value.
#include <exception>
#include <type_traits>
#include <utility>

#include "engine/Error.h"

namespace kv {

// The host error for anything a procedure may throw: kv::Error as it is, a standard-library
// failure as error 51 with its text.
Error caught_error(std::exception_ptr failure);

// Runs `body`; an error stops it and goes to `report`, and a value-returning body then answers
// its type's zero value.
template <class Report, class Body>
auto run_trapped(Report&& report, Body&& body) -> std::invoke_result_t<Body> {
    using Result = std::invoke_result_t<Body>;
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        report(caught_error(std::current_exception()));
    }
    if constexpr (!std::is_void_v<Result>) return Result{};
}

}  // namespace kv
