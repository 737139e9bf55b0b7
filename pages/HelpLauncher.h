#pragma once
// The help the pages open on F1: a context number names one help page of those that ship with
// the product (in the host's help folder), opened with the desktop's viewer.
#include <string>

namespace kv {

// The help page of a context: 1000 the code page, 1010 the panes page, 1020 the controls page;
// any other number the contents page.
std::string help_page_of(int context);

// Open the help page of `context`. Host errors (no such file) reach the caller.
void show_help(int context);

}  // namespace kv
