#pragma once
// The command-line arguments of the commands that open a form file, bound to FormOptions.
#include <string>

#include "harness/FormOptions.h"

namespace CLI {
class App;
}

namespace kv::app {

// FORM.frm (required) and --codepage.
void add_form_arguments(CLI::App& app, FormOptions& options);
// --store PATH, for a run that by default starts from an empty store and saves nothing.
void add_store_argument(CLI::App& app, FormOptions& options);

// For a command that opens no store: --store is refused by name, saying `why` (in the help
// too), rather than taken for a stray argument.
void refuse_store_option(CLI::App& app, const std::string& why);

}  // namespace kv::app
