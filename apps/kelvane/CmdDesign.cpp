// kelvane design: opens the property pages on the form's resizer in the designer and works them
// as a developer's hand does, by a script of page actions; saves the form when the script
// applied changes.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "apps/kelvane/Command.h"
#include "harness/DesignFile.h"
#ifdef KV_WITH_QT_HOST
#include "harness/QtDesign.h"
#include "harness/QtPlatform.h"
#endif
#include "apps/kelvane/FormArguments.h"
#include "apps/kelvane/HelpText.h"
#include "apps/kelvane/UserFile.h"
#include "harness/UsageError.h"

namespace kv::app {

namespace {

const char* kFooter =
    "Opens the form in the designer and the property pages on its resizer control (placing "
    "one first when the form has none, as set does).\n"
    "Without --script the pages open in a real dialog on the Qt host (tabs Resizing, Panels and "
    "Code, with OK, Cancel and Apply) for you to work: each Apply, and OK with changes, saves "
    "the form; the settings are printed when the dialog is closed. It needs a display.\n"
    "With --script the script's page actions run in order, one per line (\"-\" reads standard "
    "input), on the memory host's pages, or with --host qt as real Qt events on the Qt dialog "
    "(on the offscreen platform when there is no display); --shots DIR saves a picture after "
    "the pages open and after every action (DIR/step-0.png, step-1.png, ...). It prints every "
    "message box the pages show, then the resulting ControlSettings and PaneSettings. The form "
    "file is saved only when the script applied changes (apply, or ok with changes); a bad "
    "script line stops with SCRIPT:LINE: expected ..., found ... and exit status 2, the form "
    "untouched.\n"
    "Actions: page Resizing|Panels|Code; click KEY, dblclick KEY, focus KEY (a control's shadow "
    "by its control key); click-form; key Delete|F1; choice 0..10; font keep|change; tick NAME, "
    "untick NAME (AddAllControls, AddAllFontsButtons); view 0|1|2; drag DX,DY (the size "
    "handle, in twips); container NAME; select free|pane KEY...; add; remove; apply; ok; "
    "cancel; code (Get VB Code on the Code page: KelvaneCode.tmp in the temporary folder, "
    "$TMPDIR else /tmp); picture FILE.png (the current page; the whole dialog on the Qt host). "
    "Lines starting with # are comments.";

std::string read_script(const std::string& path) {
    std::ostringstream ss;
    if (path == "-") {
        ss << std::cin.rdbuf();
        return ss.str();
    }
    return read_user_file("--script: ", path);
}

class DesignCommand : public Command {
  public:
    CLI::App* define(CLI::App& parent) override {
        CLI::App* app = parent.add_subcommand(
            "design", "the property pages of the form's resizer: in a dialog, or by a script");
        add_form_arguments(*app, form_);
        app->add_option("--script", script_, "the page actions, one per line (- for stdin)")
            ->option_text("FILE|-");
        app->add_option("--host", host_,
                        "where the pages run: qt (a real dialog; the default without --script) "
                        "or memory (the default with --script)")
            ->check(CLI::IsMember({"memory", "qt"}))
            ->option_text("memory|qt");
        app->add_option("--shots", shots_, "with --script: a picture after every action")
            ->option_text("DIR");
        add_store_argument(*app, form_);
        app->footer(wrapped(std::string(kFooter) + kLoadWarningsHelp));
        return app;
    }

    int run(std::ostream& out, std::ostream& err) override {
        const bool live = script_.empty();
        const std::string host = host_.empty() ? (live ? "qt" : "memory") : host_;
        if (live && host == "memory")
            throw UsageError("--host memory: the memory host's pages need a --script to work them");
        if (live && !shots_.empty())
            throw UsageError("--shots: needs a --script to take its steps");
        DesignJob job;
        job.form_path = form_.path;
        job.codepage = form_.codepage;
        job.store_path = form_.store;
        job.script_name = script_ == "-" ? "-" : script_;
        job.warnings = &err;
        if (!shots_.empty()) {
            make_user_folder("--shots", shots_);
            job.shots_dir = shots_;
        }
        DesignOutcome outcome;
        try {
            std::vector<DesignAction> actions;
            if (!live) actions = parse_design_script(read_script(script_), job.script_name);
            if (host == "qt") {
#ifdef KV_WITH_QT_HOST
                setup_qt_design(job, live);
                // Nobody would ever close the dialog: the command would wait for ever.
                if (const std::string p = platform_without_user(); live && !p.empty())
                    throw UsageError("no script, and the " + p +
                                     " platform shows the dialog to nobody who could work it; "
                                     "give --script, or run it on a display");
#else
                throw UsageError("--host qt: this build has no such host");
#endif
            }
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
    std::string host_;
    std::string shots_;
};

}  // namespace

std::unique_ptr<Command> design_command() {
    return std::make_unique<DesignCommand>();
}

}  // namespace kv::app
