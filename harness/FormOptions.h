#pragma once
// Which form file a run opens and on which store: the file, its code page and the store the
// run reads and saves placement in.
#include <string>

namespace kv::app {

struct FormOptions {
    std::string path;
    std::string codepage;  // "" : the one the fonts' Charset names (FrmReader)
    std::string store;     // "" runs on an empty store in memory and saves nothing
};

}  // namespace kv::app
