#include "control/ErrorReport.h"

#include "engine/CFormSizer.h"
#include "engine/Host.h"

namespace kv {

namespace {
constexpr const char* kCrLf = "\r\n";
}  // namespace

std::string proc_error_text(const Error& error, const std::string& proc, bool errors_only_in_ide) {
    std::string text = "Error " + std::to_string(error.number()) + " in " + proc + ": " + kCrLf +
                       error.description() + kCrLf + kCrLf;
    if (errors_only_in_ide) text += "This error is only shown in the IDE. ";
    text += "Do you want to go to Kelvane HomePage to get more info and/or submit a bug report?";
    return text;
}

void TellProcError(const Error& error, const std::string& proc, bool errors_only_in_ide,
                   bool running_compiled) {
    Host& host = Host::current();
    if (errors_only_in_ide && running_compiled) {
        host.error_not_shown(proc, error.number(), error.description());
        return;
    }
    int answer = host.msg_box(proc_error_text(error, proc, errors_only_in_ide),
                              kYesNoCancel | kCritical, "");
    if (answer == kYes) host.open_url(kKelvaneHomePage);
}

void TellMessage(CFormSizer* form_sizer, const std::string& text) {
    if (!form_sizer) {
        Host::current().msg_box(text, kOKOnly | kCritical, "zokKelvane Error Initializing");
        return;
    }
    form_sizer->TellError(text);
}

}  // namespace kv
