// kelvane check: what the resizer says about a form's set-up, and what it skips silently.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <tuple>

#include "apps/kelvane/Command.h"
#include "apps/kelvane/FormArguments.h"
#include "apps/kelvane/HelpText.h"
#include "control/ControlLookup.h"
#include "control/SettingsLint.h"
#include "control/SettingsStrings.h"
#include "control/zokKelvane.h"
#include "engine/Error.h"
#include "harness/FormRun.h"
#include "harness/MessageLines.h"
#include "harness/ShownText.h"

namespace kv::app {

namespace {

class CheckCommand : public Command {
  public:
    CLI::App* define(CLI::App& parent) override {
        CLI::App* app =
            parent.add_subcommand("check", "report set-up problems of the form's resizer");
        add_form_arguments(*app, form_);
        add_store_argument(*app, form_);
        app->footer(wrapped(
            "Loads the form in run mode and runs its load processing, then prints every message "
            "the resizer raised about the set-up (duplicate controls, pane problems, errors in "
            "the settings strings), every ControlSettings or PaneSettings line whose control "
            "key names no control of the form, and every ControlSettings line the resizer skips "
            "or reads otherwise than it looks (no blank and tab after the key, letters other "
            "than K, A, R, C and F, not five letters, a control index that stops the reading), "
            "by its line number in the text, and a maximum size below its minimum. "
            "Exit status: 0 nothing found, 1 findings, 2 the form could not be read."));
        return app;
    }

    int run(std::ostream& out, std::ostream&) override {
        FormRun run(form_, true);
        int findings = 0;
        for (const auto& note : run.file().notes()) {
            out << note.finding() << "\n";
            ++findings;
        }
        for (const auto& m : run.session().host().messages()) {
            print_message(out, m.text, run.file().message_place(m.text));
            ++findings;
        }
        for (const auto& t : run.session().host().trapped_errors()) {
            print_trapped(out, t.procedure, t.number, t.description,
                          run.file().places().of_trapped(t.procedure).text());
            ++findings;
        }
        findings += check_limits(run, out);
        if (const auto settings = run.file().settings()) {
            for (const char* name : {"ControlSettings", "PaneSettings"}) {
                const bool panes = std::string(name) == "PaneSettings";
                const std::string& text = panes ? settings->panes : settings->control;
                if (text.empty()) continue;
                auto found = unmatched_keys(run.session().loaded().form, text, panes);
                // A widget of a .ui may be there and yet no control of that name.
                for (auto& f : found)
                    if (const std::string why = run.file().why_no_control(f.key); !why.empty())
                        f.text = "'" + f.key + "' " + why;
                if (!panes) {
                    const auto malformed = control_settings_problems(text);
                    found.insert(found.end(), malformed.begin(), malformed.end());
                }
                std::stable_sort(found.begin(), found.end(),
                                 [](const auto& a, const auto& b) { return a.line < b.line; });
                const std::string place = shown(run.file().settings_place(name));
                for (const auto& f : found) {
                    out << place << ": " << name << " line " << f.line << ": " << shown(f.text)
                        << "\n";
                    ++findings;
                }
            }
        } else {
            out << "the form has no resizer control: nothing of its set-up to check\n";
        }
        if (findings == 0 && run.file().settings()) out << "no findings\n";
        return findings ? 1 : 0;
    }

  private:
    // A maximum below its minimum: the resizer keeps the form at the minimum and never stops it
    // at the maximum, which set refuses and a hand-edited form may still hold. Said in the
    // file's own numbers (a .ui's pixels).
    static int check_limits(FormRun& run, std::ostream& out) {
        const auto& resizer = run.session().loaded().resizer;
        auto z = resizer ? std::dynamic_pointer_cast<zokKelvane>(resizer->user_control()) : nullptr;
        if (!z) return 0;
        int found = 0;
        const FormFile& file = run.file();
        for (const auto& [axis, min, max] :
             {std::tuple{std::string("Width"), z->MinWidth(), z->MaxWidth()},
              std::tuple{std::string("Height"), z->MinHeight(), z->MaxHeight()}}) {
            if (min <= 0 || max <= 0 || max >= min) continue;
            out << "Max" << axis << " " << file.limit_in_file("Max" + axis, max) << " is below Min"
                << axis << " " << file.limit_in_file("Min" + axis, min)
                << ": the form keeps to the minimum and never stops at the maximum\n";
            ++found;
        }
        return found;
    }

    FormOptions form_;
};

}  // namespace

std::unique_ptr<Command> check_command() {
    return std::make_unique<CheckCommand>();
}

}  // namespace kv::app
