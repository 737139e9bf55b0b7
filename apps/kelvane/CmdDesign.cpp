// kelvane design: opens the property pages on the form's resizer in the designer and works them
// as a developer's hand does, by a script of page actions; saves the form when the script
// applied changes.
#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>
#include <sstream>

#include "apps/kelvane/Command.h"
#include "apps/kelvane/DesignFile.h"
#include "apps/kelvane/FormOptions.h"
#include "apps/kelvane/HelpText.h"
#include "apps/kelvane/UsageError.h"

namespace kv::app {

namespace {

const char* kFooter =
    "Opens the form in the designer and the property pages on its resizer control (placing "
    "one first when the form has none, as set does), then runs the script's page actions in "
    "order, one per line; \"-\" reads the script from standard input. Prints every message box "
    "the pages show, then the resulting ControlSettings and PaneSettings. The form file is "
    "saved only when the script applied changes (apply, or ok with changes); a bad script line "
    "stops with SCRIPT:LINE: expected ..., found ... and exit status 2, the form untouched.\n"
    "Actions: page Resizing|Panels|Code; click KEY, dblclick KEY, focus KEY (a control's shadow "
    "by its control key); click-form; key Delete|F1; choice 0..10; font keep|change; tick NAME, "
    "untick NAME (AddAllControls, AddAllFontsButtons); view 0|1|2; drag DX,DY (the size "
    "handle, in twips); container NAME; select free|pane KEY...; add; remove; apply; ok; "
    "cancel; code (Get VB Code on the Code page: KelvaneCode.tmp in the temporary folder, "
    "$TMPDIR else /tmp); picture FILE.png (the current page). Lines starting with # are "
    "comments.";

std::string read_script(const std::string& path) {
    std::ostringstream ss;
    if (path == "-") {
        ss << std::cin.rdbuf();
        return ss.str();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw UsageError("--script: cannot read '" + path + "'");
    ss << in.rdbuf();
    return ss.str();
}

class DesignCommand : public Command {
  public:
    CLI::App* define(CLI::App& parent) override {
        CLI::App* app = parent.add_subcommand(
            "design", "work the property pages of the form's resizer by a script");
        form_.add_form(*app);
        app->add_option("--script", script_, "the page actions, one per line (- for stdin)")
            ->required()
            ->option_text("FILE|-");
        form_.add_store(*app);
        app->footer(wrapped(kFooter));
        return app;
    }

    int run(std::ostream& out, std::ostream& err) override {
        DesignJob job;
        job.form_path = form_.path;
        job.codepage = form_.codepage;
        job.store_path = form_.store;
        job.script_name = script_ == "-" ? "-" : script_;
        DesignOutcome outcome;
        try {
            const auto actions = parse_design_script(read_script(script_), job.script_name);
            outcome = design_form_file(job, actions, out);
        } catch (const ScriptError& e) {
            err << e.what() << "\n";
            return 2;
        }
        print_design_outcome(out, outcome);
        if (!outcome.applied)
            out << "nothing applied: " << form_.path << " unchanged\n";
        else
            out << (outcome.placed ? "placed a resizer control on the form and saved " : "saved ")
                << form_.path << "\n";
        return 0;
    }

  private:
    FormOptions form_;
    std::string script_;
};

[[maybe_unused]] const bool registered = register_command<DesignCommand>(55);

}  // namespace

}  // namespace kv::app
