#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "apps/kelvane/Args.h"
#include "apps/kelvane/Commands.h"
#include "apps/kelvane/DemoForm.h"
#include "apps/kelvane/GeometryTable.h"
#include "apps/kelvane/Renderer.h"
#include "apps/kelvane/Session.h"
#include "host/frm/FrmReader.h"
#include "host/memory/MemoryForm.h"

namespace kv::app {

namespace fs = std::filesystem;

namespace {

const char* kHelp =
    "usage: kelvane demo [--out DIR]\n"
    "\n"
    "Runs a mail-reader form built into the program: a toolbar and a status bar aligned to\n"
    "the edges, a folder list | message list / preview split, a frame with a control array of\n"
    "option buttons, command buttons, a separator line and scaled fonts, set up through the\n"
    "resizer's ControlSettings and PaneSettings alone. It shows the form at its design size,\n"
    "resizes it larger and smaller (each a user resize followed by the settle timer),\n"
    "maximises and restores it, closes it (its placement is saved into DIR/store.sqlite) and\n"
    "opens it again (the placement is restored). A geometry table is printed per step and a\n"
    "picture per step is written into DIR, with the form file itself.\n"
    "  --out DIR   where to write (default: a new folder kelvane-demo-TIME here)\n";

std::string default_dir() {
    const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[64];
    std::strftime(buf, sizeof buf, "kelvane-demo-%Y%m%d-%H%M%S", &tm);
    return buf;
}

}  // namespace

int cmd_demo(const Argv& argv, std::ostream& out, std::ostream& err) {
    return guarded(err, "demo", [&] {
        Args args(argv, {"out"}, {"help"});
        if (args.has("help")) {
            out << kHelp;
            return 0;
        }
        if (!args.positional().empty()) throw UsageError("demo takes no arguments but --out");
        const fs::path dir = args.value("out").value_or(default_dir());
        std::error_code ec;
        fs::create_directories(dir, ec);
        if (ec || !fs::is_directory(dir))
            throw UsageError("cannot create the folder '" + dir.string() + "'");
        const std::string frm_path = (dir / "frmMail.frm").string();
        for (const char* stale :
             {"frmMail.frx", "store.sqlite", "store.sqlite-wal", "store.sqlite-shm"})
            fs::remove(dir / stale, ec);
        {
            std::ofstream f(frm_path, std::ios::binary | std::ios::trunc);
            f << demo_form_text();
            if (!f) throw UsageError("cannot write '" + frm_path + "'");
        }
        bool placed = false;
        const auto refused = set_resizer_properties(
            frm_path, "WINDOWS-1252",
            {{"ControlSettings", demo_control_settings()}, {"PaneSettings", demo_pane_settings()}},
            placed);
        for (const auto& m : refused) err << m << "\n";
        if (!refused.empty()) return 2;

        const std::string store_path = (dir / "store.sqlite").string();
        out << "demo folder: " << fs::absolute(dir).string() << "\n";
        out << "form file:   " << frm_path << " (and frmMail.frx)\n";
        out << "store:       " << store_path << "\n\n";
        const auto doc = frm::FrmReader::read_file(frm_path);
        Session session(store_path);
        int picture = 0;
        auto record = [&](const std::string& title) {
            const Snapshot s = session.snapshot();
            out << "== " << ++picture << ". " << title << "\n";
            print_table(out, s);
            const std::string name = "step" + std::to_string(picture) + ".png";
            std::string error;
            if (render_png(s, session.host().twips_per_pixel_x(), (dir / name).string(), error,
                           title)) {
                out << "  picture: " << (dir / name).string() << "\n\n";
            } else {
                err << error << "\n";
            }
        };
        session.load(doc);
        session.show();
        record("shown at its design size");
        session.form().user_resize(12600, 8700);
        session.settle();
        record("resized larger by the user to 12600 x 8700 twips");
        session.form().user_resize(8700, 6300);
        session.settle();
        record("resized smaller by the user to 8700 x 6300 twips");
        session.form().set_window_state(2);
        session.settle();
        record("maximised");
        session.form().set_window_state(0);
        session.settle();
        record("restored");
        session.form().user_resize(10800, 7800);
        session.form().move(2400, 1800);
        session.settle();
        record("moved to 2400,1800 and sized 10800 x 7800 twips before closing");
        session.close();
        out << "== closed: placement saved into " << store_path << "\n\n";
        session.load(doc);
        session.show();
        record("opened again: placement restored");
        if (!session.host().messages().empty()) {
            out << "messages:\n";
            for (const auto& m : session.host().messages()) out << "  " << m.text << "\n";
        }
        return 0;
    });
}

}  // namespace kv::app
