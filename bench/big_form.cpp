// big_form: writes a form file of any size (and its .frx) for trying the tool on large forms.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/BigForm.h"

namespace {

const char* kUsage =
    "usage: big_form OUT.frm [--controls N] [--no-settings] [--panes K]\n"
    "Writes a form of N controls (default 100000) in panels of ten, with a resizer whose\n"
    "ControlSettings has a line for every control (unless --no-settings) and whose\n"
    "PaneSettings splits K pairs of panels (default 4); the settings go to OUT.frx.\n";

}  // namespace

int main(int argc, char** argv) {
    kv::bench::BigFormSpec spec;
    std::string out;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (a == "--controls" && i + 1 < argc) {
            spec.controls = std::atoi(argv[++i]);
        } else if (a == "--panes" && i + 1 < argc) {
            spec.panes = std::atoi(argv[++i]);
        } else if (a == "--no-settings") {
            spec.settings = false;
        } else if (out.empty() && !a.empty() && a[0] != '-') {
            out = a;
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    if (out.empty() || spec.controls < 1) {
        std::cerr << kUsage;
        return 2;
    }
    const std::filesystem::path path(out);
    spec.frx_name = path.stem().string() + ".frx";
    spec.name = "frm" + path.stem().string();
    const auto form = kv::bench::big_form(spec);
    std::ofstream(path, std::ios::binary) << form.frm;
    std::ofstream(std::filesystem::path(path).replace_extension(".frx"), std::ios::binary)
        << form.frx;
    std::cout << "wrote " << out << " (" << spec.controls << " controls)\n";
    return 0;
}
