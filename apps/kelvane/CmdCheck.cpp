// kelvane check: what the resizer says about a form's set-up, and what it skips silently.
#include <CLI/CLI.hpp>
#include <algorithm>

#include "apps/kelvane/Command.h"
#include "apps/kelvane/FormRun.h"
#include "apps/kelvane/HelpText.h"
#include "apps/kelvane/MessageLines.h"
#include "apps/kelvane/SettingsLint.h"
#include "apps/kelvane/ShownText.h"
#include "control/ControlLookup.h"
#include "control/SettingsStrings.h"
#include "engine/Error.h"
#include "host/frm/FrmLoader.h"

namespace kv::app {

namespace {

// Keys of the settings strings that name no control of the form.
std::vector<SettingsProblem> unmatched_keys(const ObjectRef& form, const std::string& text,
                                            bool panes) {
    std::vector<SettingsProblem> found;
    const auto lines = split_settings_lines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        std::vector<std::string> keys;
        if (!panes) {
            const auto line = parse_control_settings_line(lines[i]);
            if (!line) continue;
            keys.push_back(line->key);
        } else {
            size_t start = 0;
            while (keys.size() < 4 && start <= lines[i].size()) {
                const auto blank = lines[i].find(' ', start);
                keys.push_back(lines[i].substr(start, blank - start));
                if (blank == std::string::npos) break;
                start = blank + 1;
            }
        }
        for (const auto& key : keys) {
            if (key.empty()) continue;
            ObjectRef c;
            try {
                c = find_control_by_key(form, key);
            } catch (const Error&) {
                // A malformed index: the resizer reports it itself.
                continue;
            }
            if (!c) found.push_back({i + 1, "'" + key + "' names no control of the form"});
        }
    }
    return found;
}

class CheckCommand : public Command {
  public:
    CLI::App* define(CLI::App& parent) override {
        CLI::App* app =
            parent.add_subcommand("check", "report set-up problems of the form's resizer");
        form_.add_form(*app);
        form_.add_store(*app);
        app->footer(wrapped(
            "Loads the form in run mode and runs its load processing, then prints every message "
            "the resizer raised about the set-up (duplicate controls, pane problems, errors in "
            "the settings strings), every ControlSettings or PaneSettings line whose control "
            "key names no control of the form, and every ControlSettings line the resizer skips "
            "or reads otherwise than it looks (no blank and tab after the key, letters other "
            "than K, A, R, C and F, not five letters), by its line number in the text. "
            "Exit status: 0 nothing found, 1 findings, 2 the form could not be read."));
        return app;
    }

    int run(std::ostream& out, std::ostream&) override {
        FormRun run(form_, true);
        const auto& doc = run.document();
        int findings = 0;
        for (const auto& m : run.session().host().messages()) {
            print_message(out, m.text);
            ++findings;
        }
        for (const auto& t : run.session().host().trapped_errors()) {
            print_trapped(out, t.procedure, t.number, t.description);
            ++findings;
        }
        if (const auto* block = doc.resizer()) {
            for (const char* name : {"ControlSettings", "PaneSettings"}) {
                const auto* p = block->find(name);
                if (!p) continue;
                const auto v = frm::FrmLoader::value_of(doc, *p, true);
                const std::string text = v ? to_text(*v) : "";
                const bool panes = std::string(name) == "PaneSettings";
                auto found = unmatched_keys(run.session().loaded().form, text, panes);
                if (!panes) {
                    const auto malformed = control_settings_problems(text);
                    found.insert(found.end(), malformed.begin(), malformed.end());
                }
                std::stable_sort(found.begin(), found.end(),
                                 [](const auto& a, const auto& b) { return a.line < b.line; });
                for (const auto& f : found) {
                    out << name << " line " << f.line << ": " << shown(f.text) << "\n";
                    ++findings;
                }
            }
        } else {
            out << "the form has no resizer control\n";
        }
        if (findings == 0) out << "no findings\n";
        return findings ? 1 : 0;
    }

  private:
    FormOptions form_;
};

[[maybe_unused]] const bool registered = register_command<CheckCommand>(40);

}  // namespace

}  // namespace kv::app
