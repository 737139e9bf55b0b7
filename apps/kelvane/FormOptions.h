#pragma once
// The options of the commands that open a form file: the file, its code page and the store the
// run reads and saves placement in.
#include <string>

#include "host/frm/CodePage.h"

namespace CLI {
class App;
}

namespace kv::app {

struct FormOptions {
    std::string path;
    std::string codepage;  // "" : the one the fonts' Charset names (FrmReader)
    std::string store;  // "" runs on an empty store in memory and saves nothing

    // FORM.frm (required) and --codepage.
    void add_form(CLI::App& app);
    // --store PATH, for a run that by default starts from an empty store and saves nothing.
    void add_store(CLI::App& app);
};

// For a command that opens no store: --store is refused by name, saying `why` (in the help
// too), rather than taken for a stray argument.
void refuse_store_option(CLI::App& app, const std::string& why);

}  // namespace kv::app
