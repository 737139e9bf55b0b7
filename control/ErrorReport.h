#pragma once
// The control's two reports: a caught error with the name of the procedure that caught it
// (shown only where a developer can act on it), and a plain set-up message (through the form
// sizer's suppressible box). Plus the error trap every control procedure runs under.
#include <exception>
#include <string>
#include <type_traits>
#include <utility>

#include "engine/Error.h"

namespace kv {

class CFormSizer;

// Where the caught-error box's Yes button leads.
inline constexpr const char* kKelvaneHomePage = "https://www.quillon.example/kelvane/";

// The caught-error text: "Error <n> in <proc>: " CR LF <description> CR LF CR LF, the IDE
// sentence when errors are shown only in the IDE, then the home-page question.
std::string proc_error_text(const Error& error, const std::string& proc, bool errors_only_in_ide);

// Shows the caught-error box (Yes / No / Cancel, critical) unless the program runs compiled and
// errors are shown only in the IDE; Yes opens the home page.
void TellProcError(const Error& error, const std::string& proc, bool errors_only_in_ide,
                   bool running_compiled);

// A plain message: the form sizer's TellError, or a box titled "zokKelvane Error Initializing"
// when there is no form sizer.
void TellMessage(CFormSizer* form_sizer, const std::string& text);

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
