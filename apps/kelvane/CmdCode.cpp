// kelvane code: the code page's "Get VB Code" on a form file's stored set-up.
#include <CLI/CLI.hpp>

#include "apps/kelvane/Command.h"
#include "apps/kelvane/FormArguments.h"
#include "apps/kelvane/HelpText.h"
#include "control/SettingsLint.h"
#include "control/SettingsStrings.h"
#include "control/zokKelvane.h"
#include "engine/Error.h"
#include "harness/FormFile.h"
#include "harness/LoadNote.h"
#include "harness/Session.h"
#include "harness/ShownText.h"
#include "pages/CodeGenerator.h"
#include "pages/ppCode.h"

namespace kv::app {

namespace {

const char* kFooter =
    "Prints the source the code page generates for the form's load event from the resizer's "
    "ControlSettings and PaneSettings exactly as the form file stores them (lines end in CR "
    "LF). --open also writes it to KelvaneCode.tmp in the temporary folder ($TMPDIR, else /tmp) "
    "and opens that with the desktop's viewer (--viewer PROGRAM instead); the file is written "
    "only when it is a regular file of yours, never through a link. "
    "Exit status: 0 code generated, 1 nothing is set up, 2 the form could not be read or its "
    "PaneSettings name a control the form lacks (said with the line of the form file and "
    "of the text).";

class CodeCommand : public Command {
  public:
    CLI::App* define(CLI::App& parent) override {
        CLI::App* app =
            parent.add_subcommand("code", "print the load-event source for the form's set-up");
        refuse_store_option(*app, "code reads only the form file and takes no store");
        add_form_arguments(*app, form_);
        app->add_flag("--open", open_, "write KelvaneCode.tmp and open it in the viewer");
        app->add_option("--viewer", viewer_, "the program that opens the file (with --open)")
            ->needs(app->get_option("--open"));
        app->footer(wrapped(std::string(kFooter) + kLoadWarningsHelp));
        return app;
    }

    int run(std::ostream& out, std::ostream& err) override {
        FormFile file(form_.path, form_.codepage);
        Session session("", false);  // the designer: the control reads its persisted set-up
        const auto& loaded = session.load(file);
        print_load_warnings(err, file.notes());
        auto* control = loaded.resizer
                            ? dynamic_cast<zokKelvane*>(loaded.resizer->user_control().get())
                            : nullptr;
        std::optional<std::string> code;
        if (control) {
            try {
                code = CodeGenerator(control->MyParentPP(), control->MyNamePP())
                           .generate(control->ControlSettings(), control->PaneSettings());
            } catch (const Error& e) {
                err << file.settings_place("PaneSettings") << ": "
                    << failing_pane_line(*control, loaded.form)
                    << "cannot generate code: " << e.description() << " (" << e.number() << ")\n";
                return 2;
            }
        }
        if (!code) {
            err << form_.path << ": Can't generate any code because nothing has been set up\n";
            return 1;
        }
        out << on_terminal(*code, "\r\n\t");
        if (open_) {
            session.host().set_launch(true);
            if (!viewer_.empty()) session.host().set_document_opener(viewer_);
            try {
                // The file first: "opened" is said only of a file that was opened.
                const std::string opened = show_code_file(*code);
                err << "opened " << opened << "\n";
            } catch (const Error& e) {
                err << e.description() << "\n";
                return 2;
            }
        }
        return 0;
    }

  private:
    // "PaneSettings line N: what is wrong with it: " for the first line the generator refuses;
    // found by generating from ever longer beginnings of the text, so that it is the
    // generator's own verdict.
    static std::string failing_pane_line(zokKelvane& control, const ObjectRef& form) {
        const auto lines = split_settings_lines(control.PaneSettings());
        CodeGenerator generator(control.MyParentPP(), control.MyNamePP());
        std::string upto;
        for (size_t i = 0; i < lines.size(); ++i) {
            upto += (i ? "\r\n" : "") + lines[i];
            try {
                generator.generate(control.ControlSettings(), upto);
            } catch (const Error&) {
                std::string said = "PaneSettings line " + std::to_string(i + 1) + ": ";
                if (const auto keys = unmatched_keys(form, lines[i], true); !keys.empty())
                    said += shown(keys.front().text) + ": ";
                else if (const auto& l = lines[i]; l.empty() || l.find("  ") != std::string::npos ||
                                                   l.front() == ' ' || l.back() == ' ')
                    said +=
                        "an empty key (two blanks in a row, or a blank at an end) names no "
                        "control: ";
                return said;
            }
        }
        return {};
    }

    FormOptions form_;
    bool open_ = false;
    std::string viewer_;
};

}  // namespace

std::unique_ptr<Command> code_command() {
    return std::make_unique<CodeCommand>();
}

}  // namespace kv::app
