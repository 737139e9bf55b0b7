// kelvane set: sets properties of a form's resizer control and saves the form file.
#include <CLI/CLI.hpp>

#include "apps/kelvane/Command.h"
#include "apps/kelvane/FormArguments.h"
#include "apps/kelvane/HelpText.h"
#include "apps/kelvane/UserFile.h"
#include "harness/ResizerProperties.h"
#include "harness/UsageError.h"

namespace kv::app {

namespace {

const char* kFooter =
    "Sets properties of the form's resizer control and saves the form, changing nothing else "
    "in it. When the form has no resizer yet, one is first placed on it as the designer places "
    "a new one (with a new FormGUID). set changes only the form file: it takes no --store.\n"
    "Properties: ControlSettings, PaneSettings, SubKey (texts); AddAllControls, "
    "AddAllFontsButtons, LockWindowOnResize, UseSplitBars, SavePos, SaveSizes, "
    "SaveWindowState, SavePaneSplit, AllowMinWindowState (True or False); SplitBarsColor (a "
    "number or &H...&); MinWidth, MinHeight, MaxWidth, MaxHeight (whole twips up to 2147483647, 0 "
    "or -1 for "
    "none; a maximum is not below its minimum). "
    "FormGUID is read-only.\n"
    "VALUE @FILE reads the text from a file: settings strings hold tabs and line breaks; the "
    "file's line breaks become CR LF and one final line break is dropped.";

// A settings text from a file: its line breaks become CR LF, one final line break is dropped.
std::string read_text_file(const std::string& path) {
    std::string raw = read_user_file("", path);
    if (!raw.empty() && raw.back() == '\n') raw.pop_back();
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    std::string text;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\n' && (i == 0 || raw[i - 1] != '\r')) text += '\r';
        text += raw[i];
    }
    return text;
}

class SetCommand : public Command {
  public:
    CLI::App* define(CLI::App& parent) override {
        CLI::App* app =
            parent.add_subcommand("set", "set resizer properties and save the form file");
        // First, so that a store path is not mistaken for an assignment.
        refuse_store_option(*app, "set changes only the form file and takes no store");
        add_form_arguments(*app, form_);
        app->add_option("PROPERTY=VALUE", assignments_, "the properties to set")
            ->required()
            ->check(CLI::Validator(
                [](std::string& a) -> std::string {
                    const auto eq = a.find('=');
                    if (eq == std::string::npos || eq == 0)
                        return "expected PROPERTY=VALUE, found '" + a + "'";
                    return {};
                },
                ""));
        app->footer(wrapped(kFooter));
        return app;
    }

    int run(std::ostream& out, std::ostream& err) override {
        // Every assignment is checked before anything is touched.
        std::vector<std::pair<std::string, std::string>> assignments;
        for (const auto& a : assignments_) {
            const auto eq = a.find('=');
            std::string value = a.substr(eq + 1);
            if (!value.empty() && value[0] == '@') value = read_text_file(value.substr(1));
            setter_for(a.substr(0, eq));
            assignments.emplace_back(a.substr(0, eq), value);
        }
        bool placed = false;
        const auto refused =
            set_resizer_properties(form_.path, form_.codepage, assignments, placed);
        for (const auto& m : refused) err << m << "\n";
        if (!refused.empty()) return 2;
        out << (placed ? "placed a resizer control on the form and saved " : "saved ") << form_.path
            << "\n";
        return 0;
    }

  private:
    FormOptions form_;
    std::vector<std::string> assignments_;
};

}  // namespace

std::unique_ptr<Command> set_command() {
    return std::make_unique<SetCommand>();
}

}  // namespace kv::app
