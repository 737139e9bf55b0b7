#pragma once
// The control's two reports: a caught error with the name of the procedure that caught it
// (shown only where a developer can act on it), and a plain set-up message (through the form
// sizer's suppressible box).
#include <string>

#include "engine/Error.h"
#include "engine/TrappedCall.h"

namespace kv {

class CFormSizer;

// Where the caught-error box's Yes button leads.
inline constexpr const char* kKelvaneHomePage = "https://www.quillon.example/kelvane/";

// The caught-error text: "Error <n> in <proc>: " CR LF <description> CR LF CR LF, the IDE
// sentence when errors are shown only in the IDE, then the home-page question.
std::string proc_error_text(const Error& error, const std::string& proc, bool errors_only_in_ide);

// Shows the caught-error box (Yes / No / Cancel, critical) unless the program runs compiled and
// errors are shown only in the IDE (the host is then told of it, nothing is shown); Yes opens
// the home page.
void TellProcError(const Error& error, const std::string& proc, bool errors_only_in_ide,
                   bool running_compiled);

// A plain message: the form sizer's TellError, or a box titled "zokKelvane Error Initializing"
// when there is no form sizer.
void TellMessage(CFormSizer* form_sizer, const std::string& text);

}  // namespace kv
