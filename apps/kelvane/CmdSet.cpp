// kelvane set: sets properties of a form's resizer control and saves the form file.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <string_view>

#include "apps/kelvane/Command.h"
#include "apps/kelvane/FormArguments.h"
#include "apps/kelvane/HelpText.h"
#include "apps/kelvane/UserFile.h"
#include "control/SettingsStrings.h"
#include "harness/FormFile.h"
#include "harness/ResizerProperties.h"
#include "harness/UsageError.h"
#include "host/frm/CodePage.h"
#include "host/frm/FrmProperty.h"

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
    "file's line breaks become CR LF and one final line break is dropped (a value's own line "
    "breaks become CR LF too). Text is UTF-8; a .ui takes no control characters other than tabs "
    "and line breaks, SubKey none at all.";

// Refused: a control character of the text other than those `allowed`.
void refuse_control_characters(const std::string& text, std::string_view allowed,
                               const std::string& what, const char* because) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 && allowed.find(c) == std::string_view::npos) {
            char code[8];
            std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(c));
            throw UsageError(what + ": holds the control character U+" + code + ", which " +
                             because);
        }
}

// A text value as the resizer keeps it: UTF-8, lines ending CR LF (a line break typed on a
// shell or saved by an editor is LF or CR alone, which the settings would read as one line); for
// a .ui no other control characters, which XML cannot hold (a form file can: a control's name
// may have them, and its settings line must too). SubKey is one name of the per-user store,
// never lines: no control character at all, in either kind of file.
std::string settings_text(const std::string& raw, const std::string& what, bool xml, bool key) {
    if (!frm::is_valid_utf8(raw)) throw UsageError(what + ": the text is not UTF-8");
    if (xml) refuse_control_characters(raw, "\t\r\n", what, "a .ui cannot hold");
    if (key) refuse_control_characters(raw, {}, what, "a key of the store cannot hold");
    return with_crlf_lines(raw);
}

// @FILE: the file's text, without a byte-order mark and without one final line break.
std::string read_text_file(const std::string& path, bool xml, bool key) {
    std::string raw = read_user_file("", path);
    if (raw.rfind("\xEF\xBB\xBF", 0) == 0) raw.erase(0, 3);
    if (!raw.empty() && raw.back() == '\n') raw.pop_back();
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    return settings_text(raw, path, xml, key);
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
        const bool xml = is_ui_path(form_.path);
        for (const auto& a : assignments_) {
            const auto eq = a.find('=');
            std::string value = a.substr(eq + 1);
            const bool key = frm::same_name(a.substr(0, eq), "SubKey");
            if (!value.empty() && value[0] == '@')
                value = read_text_file(value.substr(1), xml, key);
            else
                value = settings_text(value, a.substr(0, eq), xml, key);
            setter_for(a.substr(0, eq));
            assignments.emplace_back(a.substr(0, eq), value);
        }
        bool placed = false;
        const auto refused =
            set_resizer_properties(form_.path, form_.codepage, assignments, placed);
        for (const auto& m : refused) err << "kelvane set: " << m << "\n";
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
