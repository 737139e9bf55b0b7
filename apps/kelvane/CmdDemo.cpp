// kelvane demo: the built-in mail form through a whole session.
#include <CLI/CLI.hpp>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "apps/kelvane/Command.h"
#include "apps/kelvane/FormArguments.h"
#include "apps/kelvane/HelpText.h"
#include "apps/kelvane/UserFile.h"
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
        make_user_folder("--out", dir.string());
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

// The form file with the demo's set-up on its resizer; the messages of a value it refused.
std::vector<std::string> write_demo_form(const std::string& frm_path) {
    {
        std::ofstream f(frm_path, std::ios::binary | std::ios::trunc);
        f << demo_form_text();
        if (!f) throw UsageError("cannot write '" + frm_path + "'");
    }
    bool placed = false;
    return set_resizer_properties(frm_path, frm::kDefaultCodePage,
                                  {{"ControlSettings", demo_control_settings()},
                                   {"PaneSettings", demo_pane_settings()},
                                   {"MinWidth", std::to_string(kMinWidth)},
                                   {"MinHeight", std::to_string(kMinHeight)}},
                                  placed);
}

const ControlState& pane_control(const Snapshot& s, const std::string& key) {
    for (const auto& c : s.controls)
        if (c.key == key) return c;
    throw UsageError("the demo form lost its pane control " + key);
}

// One step of the user's session: what the user does, worked out from the form as it stands.
struct DemoStep {
    std::string title;
    std::function<Step(const Snapshot&)> step;
};

std::function<Step(const Snapshot&)> user_size(double width, double height) {
    return [=](const Snapshot&) {
        Step s;
        s.kind = Step::UserSize;
        s.width = width;
        s.height = height;
        return s;
    };
}

std::function<Step(const Snapshot&)> window_state(int state) {
    return [=](const Snapshot&) {
        Step s;
        s.kind = Step::State;
        s.state = state;
        return s;
    };
}

// A drag of the divider in the middle of the gap between two pane controls, `by` twips across
// the gap (left to right, or top to bottom), from a point `along` twips into the first.
std::function<Step(const Snapshot&)> divider(const std::string& first, const std::string& second,
                                             bool across_x, double along, double by) {
    return [=](const Snapshot& now) {
        const ControlState& a = pane_control(now, first);
        const ControlState& b = pane_control(now, second);
        Step s;
        s.kind = Step::Drag;
        if (across_x) {
            s.x = (*a.left + *a.width + *b.left) / 2;
            s.y = *a.top + along;
        } else {
            s.x = *a.left + along;
            s.y = (*a.top + *a.height + *b.top) / 2;
        }
        s.x2 = s.x + (across_x ? by : 0);
        s.y2 = s.y + (across_x ? 0 : by);
        return s;
    };
}

// The user's session after the form is shown: resized, maximised and restored, stopped at its
// minimum size, the two dividers of its split pane dragged.
std::vector<DemoStep> session_steps() {
    return {
        {"resized larger by the user to 12600 x 8700 twips", user_size(12600, 8700)},
        {"resized smaller by the user to 8700 x 6300 twips", user_size(8700, 6300)},
        {"maximised", window_state(2)},
        {"restored", window_state(0)},
        {"the user drags the border to 4000 x 3000 twips: it stops at the minimum " +
             std::to_string(kMinWidth) + " x " + std::to_string(kMinHeight),
         user_size(4000, 3000)},
        {"resized by the user to 10800 x 7800 twips", user_size(10800, 7800)},
        {"the user drags the folder | messages divider 1500 twips to the right",
         divider("lstFolders", "lstMessages", true, 600, 1500)},
        {"the user drags the messages / preview divider 900 twips up",
         divider("lstMessages", "txtPreview", false, 600, -900)},
    };
}

// A numbered geometry table and picture of the form as it stands, titled.
class StepRecord {
  public:
    StepRecord(Session& session, const fs::path& dir, std::ostream& out, std::ostream& err)
        : session_(session), dir_(dir), out_(out), err_(err) {}

    void operator()(const std::string& title) {
        const Snapshot s = session_.snapshot();
        out_ << "== " << ++count_ << ". " << title << "\n";
        print_table(out_, s);
        const std::string path = (dir_ / ("step" + std::to_string(count_) + ".png")).string();
        std::string error;
        if (render_picture(s, session_.host().twips_per_pixel_x(), path, error, title))
            out_ << "  picture: " << path << "\n\n";
        else
            err_ << error << "\n";
    }

  private:
    Session& session_;
    const fs::path dir_;
    std::ostream& out_;
    std::ostream& err_;
    int count_ = 0;
};

// The user moves the form and closes it (placement and splits saved), then opens it again and
// finds the split pane where it was left.
void close_and_reopen(Session& session, const frm::FrmDocument& doc, StepRecord& record,
                      const std::string& store_path, std::ostream& out) {
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
        const ControlState& a = pane_control(before_close, key);
        const ControlState& b = pane_control(reopened, key);
        const bool same =
            a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
        out << "  " << key << (same ? " is where the user left it" : " MOVED after reopening")
            << "\n";
    }
    out << "\n";
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
        const auto refused = write_demo_form(frm_path);
        for (const auto& m : refused) err << m << "\n";
        if (!refused.empty()) return 2;

        const std::string store_path = (dir / "store.sqlite").string();
        out << "demo folder: " << fs::absolute(dir).string() << "\n";
        out << "form file:   " << frm_path << " (and frmMail.frx)\n";
        out << "store:       " << store_path << "\n\n";
        const auto doc = frm::FrmReader::read_file(frm_path);
        Session session(store_path);
        StepRecord record(session, dir, out, err);
        session.load(doc);
        session.show();
        record("shown at its design size");
        for (const auto& [title, step] : session_steps()) {
            session.apply(step(session.snapshot()));
            record(title);
        }
        close_and_reopen(session, doc, record, store_path, out);
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
