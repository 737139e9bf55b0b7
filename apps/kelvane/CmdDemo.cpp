// kelvane demo: the built-in mail form through a whole session.
#include <CLI/CLI.hpp>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "apps/kelvane/Command.h"
#include "apps/kelvane/FormArguments.h"
#include "apps/kelvane/HelpText.h"
#include "harness/DemoDesigner.h"
#include "harness/DemoForm.h"
#include "harness/GeometryTable.h"
#include "harness/MessageLines.h"
#include "harness/ResizerProperties.h"
#include "harness/Session.h"
#include "harness/UsageError.h"
#include "host/frm/FrmReader.h"
#include "host/memory/MemoryForm.h"
#include "picture/Renderer.h"

namespace kv::app {

namespace fs = std::filesystem;

namespace {

// The smallest outer size the demo form allows its user, in twips.
constexpr int kMinWidth = 7200;
constexpr int kMinHeight = 5400;

const ControlState* find_control(const Snapshot& s, const std::string& key) {
    for (const auto& c : s.controls)
        if (c.key == key) return &c;
    return nullptr;
}

// Where the divider between two pane controls lies: the middle of the gap between them.
double gap_middle(double near_end, double far_start) {
    return (near_end + far_start) / 2;
}

const char* kFooter =
    "Runs a mail-reader form built into the program: a toolbar and a status bar aligned to the "
    "edges, a folder list | message list / preview split, a frame with a control array of "
    "option buttons, command buttons, a separator line and scaled fonts, set up through the "
    "resizer's ControlSettings and PaneSettings alone. It shows the form at its design size, "
    "resizes it larger and smaller (each a user resize followed by the settle timer), "
    "maximises and restores it, lets the user try to drag the border below the form's minimum "
    "size (it stops there), drags the two dividers of the split pane, closes the form "
    "(placement and splits are saved into DIR/store.sqlite) and opens it again (placement and "
    "splits are restored). A geometry table is printed per step and a picture per step is "
    "written into DIR, with the form file itself. Then the designer: the same form without a "
    "set-up is set up on the property pages by a script of page actions (DIR/designer/"
    "design.txt: anchoring choices, a size-handle preview, a split pane, apply, the code page), "
    "with a picture of the pages per step, the generated code and a picture of the saved form "
    "resized. The demo keeps its store in DIR: it takes no --store.";

// Marks a folder as a demo's, so that a later demo may write into it again.
constexpr const char* kMarker = ".kelvane-demo";

// The folder to write into: new, empty, or an earlier demo's (whose form, store and pictures
// the new run replaces). Any other folder is refused: its files are the user's.
void prepare_folder(const fs::path& dir) {
    std::error_code ec;
    if (fs::exists(dir, ec)) {
        if (!fs::is_directory(dir, ec))
            throw UsageError("--out: '" + dir.string() + "' is not a folder");
        if (!fs::is_empty(dir, ec) && !fs::exists(dir / kMarker, ec))
            throw UsageError("--out: the folder '" + dir.string() +
                             "' is not empty and holds no earlier demo; give a new or empty one");
        for (const char* stale :
             {"frmMail.frx", "store.sqlite", "store.sqlite-wal", "store.sqlite-shm"})
            fs::remove(dir / stale, ec);
    } else {
        fs::create_directories(dir, ec);
        if (ec) throw UsageError("--out: cannot create the folder '" + dir.string() + "'");
    }
    std::ofstream marker(dir / kMarker, std::ios::trunc);
    marker << "written by kelvane demo; a later demo may write into this folder again\n";
    if (!marker) throw UsageError("--out: cannot write into the folder '" + dir.string() + "'");
}

std::string default_dir() {
    const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[64];
    std::strftime(buf, sizeof buf, "kelvane-demo-%Y%m%d-%H%M%S", &tm);
    return buf;
}

class DemoCommand : public Command {
  public:
    CLI::App* define(CLI::App& parent) override {
        CLI::App* app =
            parent.add_subcommand("demo", "the built-in mail form through a whole session");
        app->add_option("--out", out_,
                        "where to write (default: a new folder kelvane-demo-TIME here); a "
                        "folder that exists must be empty or an earlier demo's")
            ->option_text("DIR");
        refuse_store_option(*app, "the demo keeps its store in its --out folder");
        app->footer(wrapped(kFooter));
        return app;
    }

    int run(std::ostream& out, std::ostream& err) override {
        const fs::path dir = out_.empty() ? fs::path(default_dir()) : fs::path(out_);
        prepare_folder(dir);
        const std::string frm_path = (dir / "frmMail.frm").string();
        {
            std::ofstream f(frm_path, std::ios::binary | std::ios::trunc);
            f << demo_form_text();
            if (!f) throw UsageError("cannot write '" + frm_path + "'");
        }
        bool placed = false;
        const auto refused = set_resizer_properties(frm_path, frm::kDefaultCodePage,
                                                    {{"ControlSettings", demo_control_settings()},
                                                     {"PaneSettings", demo_pane_settings()},
                                                     {"MinWidth", std::to_string(kMinWidth)},
                                                     {"MinHeight", std::to_string(kMinHeight)}},
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
            if (render_picture(s, session.host().twips_per_pixel_x(), (dir / name).string(), error,
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
        session.form().user_resize(4000, 3000);
        session.settle();
        record("the user drags the border to 4000 x 3000 twips: it stops at the minimum " +
               std::to_string(kMinWidth) + " x " + std::to_string(kMinHeight));
        session.form().user_resize(10800, 7800);
        session.settle();
        record("resized by the user to 10800 x 7800 twips");
        const auto drag = [&](double x, double y, double x2, double y2) {
            Step step;
            step.kind = Step::Drag;
            step.x = x;
            step.y = y;
            step.x2 = x2;
            step.y2 = y2;
            session.apply(step);
        };
        {
            const Snapshot s = session.snapshot();
            const ControlState* folders = find_control(s, "lstFolders");
            const ControlState* messages = find_control(s, "lstMessages");
            const ControlState* preview = find_control(s, "txtPreview");
            if (!folders || !messages || !preview)
                throw UsageError("the demo form lost its pane controls");
            const double x = gap_middle(*folders->left + *folders->width, *messages->left);
            const double y = *folders->top + 600;
            drag(x, y, x + 1500, y);
            record("the user drags the folder | messages divider 1500 twips to the right");
            const double y1 = gap_middle(*messages->top + *messages->height, *preview->top);
            const double x1 = *messages->left + 600;
            drag(x1, y1, x1, y1 - 900);
            record("the user drags the messages / preview divider 900 twips up");
        }
        const Snapshot before_close = session.snapshot();
        session.form().move(2400, 1800);
        session.settle();
        session.close();
        out << "== closed at 2400,1800: placement and splits saved into " << store_path << "\n\n";
        session.load(doc);
        session.show();
        record("opened again: placement and splits restored");
        const Snapshot reopened = session.snapshot();
        for (const char* key : {"lstFolders", "lstMessages", "txtPreview"}) {
            const ControlState* a = find_control(before_close, key);
            const ControlState* b = find_control(reopened, key);
            if (!a || !b) continue;
            const bool same = a->left == b->left && a->top == b->top && a->width == b->width &&
                              a->height == b->height;
            out << "  " << key << (same ? " is where the user left it" : " MOVED after reopening")
                << "\n";
        }
        out << "\n";
        if (!session.host().messages().empty()) {
            out << "messages:\n";
            for (const auto& m : session.host().messages()) print_message(out, m.text);
            out << "\n";
        }
        return run_demo_designer(dir / "designer", out, err) ? 0 : 1;
    }

  private:
    std::string out_;
};

}  // namespace

std::unique_ptr<Command> demo_command() {
    return std::make_unique<DemoCommand>();
}

}  // namespace kv::app
