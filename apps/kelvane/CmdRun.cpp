// kelvane run: the form live in a window on the Qt host, the resizer working. With steps it runs
// them as real window events and exits (so it works on the offscreen platform); without steps
// it stays open until the user closes the window.
#include <CLI/CLI.hpp>
#include <QApplication>
#include <QPixmap>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "apps/kelvane/Command.h"
#include "apps/kelvane/FormArguments.h"
#include "apps/kelvane/HelpText.h"
#include "apps/kelvane/LayoutJson.h"
#include "apps/kelvane/StepOptions.h"
#include "apps/kelvane/UserFile.h"
#include "harness/FormFile.h"
#include "harness/GeometryTable.h"
#include "harness/LoadNote.h"
#include "harness/MessageLines.h"
#include "harness/QtPlatform.h"
#include "harness/QtStepDriver.h"
#include "harness/Session.h"
#include "harness/UsageError.h"
#include "host/frm/FrmError.h"
#include "host/qt/QtFormWindow.h"
#include "host/qt/QtProcessSetup.h"
#include "picture/PictureFile.h"
#include "picture/Renderer.h"

namespace kv::app {

namespace {

namespace fs = std::filesystem;

// Notes the form's state as its user closes it (before the unload takes it down).
class CloseWatch : public EventSink {
  public:
    explicit CloseWatch(mem::MemoryForm& form) : form_(form) {}
    void on_query_unload(int&, int) override { last = take_snapshot(form_); }
    std::optional<Snapshot> last;

  private:
    mem::MemoryForm& form_;
};

class RunCommand : public Command {
  public:
    CLI::App* define(CLI::App& parent) override {
        CLI::App* app = parent.add_subcommand(
            "run", "open the form live in a window: resize it, drag its dividers, close it");
        add_form_arguments(*app, form_);
        steps_.add_to(*app);
        app->add_option("--shots", shots_,
                        "save a picture of the window after it opens and after every step "
                        "(DIR/step-0.png, step-1.png, ...)");
        app->add_flag("--json", json_,
                      "after the steps (or when the user closes the window) print the same "
                      "document as layout --json");
        add_store_argument(*app, form_);
        app->footer(wrapped(
            "The form runs on the Qt host: border drags stop at its size limits, dividers follow "
            "the mouse, and with --store its placement and splits are saved when the window is "
            "closed and found again next time. With steps, each is delivered as the window "
            "events a user would cause and followed by the settle timer; then the form is closed "
            "as its user would and the command exits. Without steps the window stays open "
            "until the user closes it; message boxes are then real dialogs." +
            std::string(kLoadWarningsHelp) + " Under --json the document lists them as notes."));
        return app;
    }

    int run(std::ostream& out, std::ostream& err) override {
        return with_json_faults(json_, out, [&] { return run_form(out, err); });
    }

  private:
    int run_form(std::ostream& out, std::ostream& err) {
        const auto steps = steps_.steps();
        const bool live = steps.empty();
        if (!has_display()) {
            if (live)
                throw UsageError("no display to open the window on (set DISPLAY, or give steps)");
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        }
        if (!shots_.empty()) make_user_folder("--shots", shots_);
        static int argc = 1;
        static char name[] = "kelvane";
        static char* argv[] = {name, nullptr};
        std::unique_ptr<QApplication> own;
        if (!QApplication::instance()) {
            qt::prepare_qt_process();
            own = std::make_unique<QApplication>(argc, argv);
        }
        // Nobody would ever close the window: the command would wait for ever.
        if (const std::string p = platform_without_user(); live && !p.empty())
            throw UsageError("no steps, and the " + p +
                             " platform shows the window to nobody who could close it; give "
                             "steps, or run it on a display");
        std::optional<FormFile> file;
        file.emplace(form_.path, form_.codepage);
        auto host = std::make_shared<qt::QtHost>();
        host->set_interactive(live);
        // A window of millions of pixels a side is more than the window system can paint.
        for (const auto& step : steps)
            if ((step.kind == Step::Size || step.kind == Step::UserSize) &&
                (step.width / host->twips_per_pixel_x() > kMaxPictureSide ||
                 step.height / host->twips_per_pixel_y() > kMaxPictureSide))
                throw UsageError(step.given + ": a window more than " +
                                 std::to_string(kMaxPictureSide) +
                                 " pixels a side cannot be shown; give a smaller size");
        const PictureGuard guard(file->own_files());
        Session session(form_.store, true, host, qt_driver(*host));
        session.load(*file);
        const std::vector<LoadNote> notes = file->notes();
        print_load_warnings(err, notes);
        // What the resizer says of its settings is said at their lines, after the text is gone.
        const SettingsPlaces places = file->places();
        // A form file's text and blocks: hundreds of megabytes on a very large form. (A Qt
        // Designer form's document stays: the window adopted from it is built from it.)
        if (!file->is_ui()) file.reset();
        session.show();
        // Only a user's close needs the state noted as it happens: steps note it themselves.
        CloseWatch watch(session.form());
        std::unique_ptr<EventConnection> hook;
        if (live) hook = session.form().hook_events(watch);
        int shot = 0;
        auto picture = [&] {
            if (shots_.empty()) return;
            auto* window = host->find_window(&session.form());
            const std::string file =
                (fs::path(shots_) / ("step-" + std::to_string(shot++) + ".png")).string();
            // The whole top-level window: an MDI child is shown inside its parent.
            std::string error;
            if (window && window->frame() &&
                !write_picture_file(window->frame()->window()->grab().toImage(), file, "png",
                                    error))
                throw UsageError(error);
        };
        picture();
        std::optional<Snapshot> final_state;
        if (live) {
            QApplication::exec();
            final_state = watch.last;
        } else {
            for (const auto& step : steps) {
                session.apply(step);
                picture();
            }
            final_state = session.snapshot();
            session.close();
        }
        hook.reset();
        const auto& messages = session.host().messages();
        const auto& trapped = session.host().trapped_errors();
        if (json_ && final_state) {
            out << json_text(layout_json(*final_state, messages, trapped, places, notes));
        } else {
            if (final_state && !live) print_table(out, *final_state);
            for (const auto& m : messages)
                print_message(out, m.text, places.of_message(m.text).text());
            for (const auto& t : trapped)
                print_trapped(out, t.procedure, t.number, t.description,
                              places.of_trapped(t.procedure).text());
        }
        return report_unsaved(session, "run", err);
    }

    FormOptions form_;
    StepOptions steps_;
    std::string shots_;
    bool json_ = false;
};

}  // namespace

std::unique_ptr<Command> run_command() {
    return std::make_unique<RunCommand>();
}

}  // namespace kv::app
