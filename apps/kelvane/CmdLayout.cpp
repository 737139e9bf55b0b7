// kelvane layout: runs a form through the user's steps and prints its final state.
#include <CLI/CLI.hpp>

#include "apps/kelvane/Command.h"
#include "apps/kelvane/FormArguments.h"
#include "apps/kelvane/HelpText.h"
#include "apps/kelvane/LayoutJson.h"
#include "apps/kelvane/StepOptions.h"
#include "harness/FormRun.h"
#include "harness/GeometryTable.h"
#include "harness/LoadNote.h"
#include "harness/MessageLines.h"
#include "harness/ShownText.h"
#include "host/frm/FrmError.h"

namespace kv::app {

namespace {

class LayoutCommand : public Command {
  public:
    CLI::App* define(CLI::App& parent) override {
        CLI::App* app =
            parent.add_subcommand("layout", "run the steps, close, print the final state");
        add_form_arguments(*app, form_);
        steps_.add_to(*app);
        app->add_flag("--json", json_,
                      "print one JSON document: the form, the controls in collection order, "
                      "every message box shown, every error the resizer trapped without one and "
                      "every note of the form's load");
        add_store_argument(*app, form_);
        app->footer(wrapped(
            "Loads the form in run mode and shows it, then applies the steps in command-line "
            "order, each followed by the settle timer. Then the user closes the form: with "
            "--store its placement and splits are saved, so a second run with the same store "
            "opens the form where this one left it. Printed: every control as it stood before "
            "the close, the message boxes shown, and the errors the resizer trapped and did not "
            "show (as in a compiled program, which shows none)." +
            std::string(kLoadWarningsHelp) + " Under --json the document lists them as notes."));
        return app;
    }

    int run(std::ostream& out, std::ostream& err) override {
        return with_json_faults(json_, out, [&] { return lay_out(out, err); });
    }

  private:
    int lay_out(std::ostream& out, std::ostream& err) {
        FormRun run(form_);
        const std::vector<LoadNote> notes = run.file().notes();
        print_load_warnings(err, notes);
        run.apply(steps_.steps());
        const Snapshot final_state = run.session().snapshot();
        run.session().close();
        const auto& messages = run.session().host().messages();
        const auto& trapped = run.session().host().trapped_errors();
        const SettingsPlaces places = run.file().places();
        if (json_) {
            out << json_text(layout_json(final_state, messages, trapped, places, notes));
        } else {
            print_table(out, final_state);
            for (const auto& m : messages)
                print_message(out, m.text, places.of_message(m.text).text());
            for (const auto& t : trapped)
                print_trapped(out, t.procedure, t.number, t.description,
                              places.of_trapped(t.procedure).text());
        }
        return report_unsaved(run.session(), "layout", err);
    }

    FormOptions form_;
    StepOptions steps_;
    bool json_ = false;
};

}  // namespace

std::unique_ptr<Command> layout_command() {
    return std::make_unique<LayoutCommand>();
}

}  // namespace kv::app
