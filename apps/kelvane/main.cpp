// kelvane: runs forms on the memory host with the resizer control, edits their resizer
// set-up, and looks into the per-user store.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "apps/kelvane/Cli.h"
#include "harness/ShownText.h"

int main(int argc, char** argv) {
    kv::app::set_output_is_terminal(isatty(STDOUT_FILENO) == 1);
    return kv::app::run_kelvane(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                std::cerr);
}
