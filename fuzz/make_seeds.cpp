// Writes the fuzz targets' seed inputs from the sample forms of the given folders:
//   OUT/form_file/NAME   the .frm, a NUL byte and its .frx (when it has one)
//   OUT/ui_form/NAME     a Qt Designer form (.ui): one found as it is, and each form file's
//                        exported
//   OUT/roundtrip/NAME-P the .frm, a NUL byte, its .frx, a NUL byte, then a property chosen by
//                        the byte P and a value for it
//   OUT/settings/NAME    the resizer's ControlSettings, a NUL byte and its PaneSettings
//   OUT/store/NAME       the settings written under a key of the form's name, read, listed and
//                        deleted again
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "harness/DemoForm.h"
#include "host/export/FormFileExport.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmLoader.h"
#include "host/frm/FrmReader.h"

namespace fs = std::filesystem;
using namespace kv;

namespace {

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void spit(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

std::string nul() {
    return std::string(1, '\0');
}

// `form` with its references to the .frx `from` (any case) naming `to` instead.
std::string renamed_frx(std::string form, const std::string& from, const std::string& to) {
    const std::string quoted = "\"" + from + "\"";
    for (size_t at = 0; at + quoted.size() <= form.size();) {
        bool same = true;
        for (size_t i = 0; i < quoted.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(form[at + i])) ==
                   std::tolower(static_cast<unsigned char>(quoted[i]));
        if (!same) {
            ++at;
            continue;
        }
        form.replace(at, quoted.size(), "\"" + to + "\"");
        at += to.size() + 2;
    }
    return form;
}

// One store operation as the store target reads it.
std::string op(char code, const std::string& key, const std::string& name,
               const std::string& value) {
    return std::string(1, code) + key + nul() + name + nul() + value + nul();
}

void settings_seeds(const fs::path& out, const std::string& stem, const std::string& controls,
                    const std::string& panes) {
    spit(out / "settings" / stem, controls + nul() + panes);
    const std::string key = "Software\\Quillon\\Kelvane\\Forms\\" + stem;
    spit(out / "store" / stem, op(0, key, "ControlSettings", controls) +
                                   op(0, key + "\\frame.SplitPanel", "PaneHor", "2400") +
                                   op(0, key, "Left", "120") + op(1, key, "controlsettings", "") +
                                   op(2, key, "", "") + op(3, key, "", "") +
                                   op(4, key, "LEFT", "") + op(5, "software\\quillon", "", ""));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: make_seeds OUT DATA_DIR...\n";
        return 2;
    }
    const fs::path out = argv[1];
    for (const char* sub : {"form_file", "ui_form", "settings", "store", "roundtrip"})
        fs::create_directories(out / sub);
    settings_seeds(out, "demo", app::demo_control_settings(), app::demo_pane_settings());
    int count = 0;
    for (int a = 2; a < argc; ++a) {
        for (const auto& entry : fs::directory_iterator(argv[a])) {
            const auto& path = entry.path();
            if (path.extension() == ".ui") {
                spit(out / "ui_form" / path.stem(), slurp(path));
                ++count;
                continue;
            }
            if (path.extension() != ".frm") continue;
            const std::string stem = path.stem().string();
            auto frx = path;
            frx.replace_extension(".frx");
            std::string seed = slurp(path);
            if (fs::exists(frx)) seed += nul() + slurp(frx);
            spit(out / "form_file" / stem, seed);
            try {
                const fs::path ui = out / "exported" / (stem + ".ui");
                fs::create_directories(ui.parent_path());
                exporter::export_form_file(path.string(), ui.string(), {});
                spit(out / "ui_form" / ("exported-" + stem), slurp(ui));
            } catch (const frm::FrmError&) {
                // A form the loader refuses (a regression's) gives no .ui: said once below.
            }
            // The round trip writes the pair as R.frm and R.frx: the references follow.
            const std::string pair = renamed_frx(slurp(path), stem + ".frx", "R.frx") + nul() +
                                     (fs::exists(frx) ? slurp(frx) : "") + nul();
            const std::pair<char, std::string> settings[] = {
                {0, "cmdOK \tAAKKK\r\nlstFolders \tKKAKC"},
                {1, "lstFolders lstMessages"},
                {2, "Sub\\Key"},
                {3, "&HFF00&"},
                {4, "&HFFFF&"},
                {6, "False"}};
            for (const auto& [which, value] : settings)
                spit(out / "roundtrip" / (stem + "-" + std::to_string(int(which))),
                     pair + std::string(1, which) + value);
            ++count;
            try {
                const auto doc = frm::FrmReader::read_file(path.string());
                const auto* block = doc.resizer();
                if (!block) continue;
                auto text = [&](const char* name) {
                    const auto* p = block->find(name);
                    if (!p) return std::string();
                    const auto v = frm::FrmLoader::value_of(doc, *p, true);
                    return v ? to_text(*v) : std::string();
                };
                settings_seeds(out, stem, text("ControlSettings"), text("PaneSettings"));
            } catch (const frm::FrmError& e) {
                std::cerr << e.what() << "\n";
            }
        }
    }
    std::cout << "seeds from " << count << " forms in " << out.string() << "\n";
    return 0;
}
