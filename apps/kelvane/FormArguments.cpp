#include "apps/kelvane/FormArguments.h"

#include <CLI/CLI.hpp>

#include "host/frm/CodePage.h"

namespace kv::app {

void add_form_arguments(CLI::App& app, FormOptions& options) {
    app.add_option("FORM.frm", options.path,
                   "the form file, or a Qt Designer form (.ui) with a kelvane::ResizerWidget")
        ->required()
        ->check(CLI::ExistingFile);
    app.add_option("--codepage", options.codepage,
                   "code page of the form file when it is not UTF-8 (default: the one the "
                   "fonts' Charset names, else " +
                       std::string(frm::kDefaultCodePage) + ")")
        ->option_text("NAME");
}

void add_store_argument(CLI::App& app, FormOptions& options) {
    app.add_option("--store", options.store,
                   "the per-user store file: the form opens at the placement and splits saved "
                   "there, and a closed form saves them there (default: an empty store in "
                   "memory, nothing is saved)")
        ->option_text("PATH");
}

void refuse_store_option(CLI::App& app, const std::string& why) {
    app.add_option("--store")
        ->description("not taken: " + why)
        ->type_name("PATH")
        ->check(CLI::Validator([why](std::string&) { return why; }, ""));
}

}  // namespace kv::app
