// kelvane: runs forms on the memory host with the resizer control, edits their resizer
// set-up, and looks into the per-user store.
#include <iostream>
#include <string>
#include <vector>

#include "apps/kelvane/Cli.h"

int main(int argc, char** argv) {
    return kv::app::run_kelvane(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                std::cerr);
}
