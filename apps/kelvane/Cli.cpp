#include "apps/kelvane/Cli.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "apps/kelvane/Command.h"
#include "apps/kelvane/HelpText.h"
#include "engine/Error.h"
#include "harness/UsageError.h"
#include "host/frm/FrmError.h"

namespace kv::app {

namespace {

const char* kFooter =
    "layout, render, check and store take --store PATH; demo keeps its store in its folder and\n"
    "set changes only the form file.\n"
    "Exit status: 0 success, 1 findings, 2 bad input or usage.";

// The help generator prints descriptions as given, continuing a line after a line break in
// the description column: wrap them to fit that column.
void wrap_descriptions(CLI::App& app, size_t column) {
    constexpr size_t kWidth = 80;
    for (CLI::Option* opt : app.get_options())
        opt->description(wrapped(opt->get_description(), kWidth - column));
    for (CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; })) {
        sub->description(wrapped(sub->get_description(), kWidth - column));
        wrap_descriptions(*sub, column);
    }
}

// The deepest command the parse got to: kelvane itself, `store`, or `store list`.
const CLI::App& chosen_command(const CLI::App& app) {
    const CLI::App* at = &app;
    for (auto chosen = at->get_subcommands(); !chosen.empty(); chosen = at->get_subcommands())
        at = chosen.front();
    return *at;
}

// "kelvane", or "kelvane store list".
std::string command_path(const CLI::App& app) {
    std::string path = app.get_name();
    for (const CLI::App* at = &app; !at->get_subcommands().empty();) {
        at = at->get_subcommands().front();
        path += " " + at->get_name();
    }
    return path;
}

// The parser's message, except that a word where a command should be is named as such.
std::string parse_error_text(const CLI::App& app, const CLI::ParseError& e) {
    const CLI::App& at = chosen_command(app);
    const auto rest = at.remaining();
    if (dynamic_cast<const CLI::RequiredError*>(&e) && !rest.empty() &&
        at.get_require_subcommand_min() > 0 && at.get_subcommands().empty())
        return "unknown command '" + rest.front() + "'";
    std::string what = e.what();
    std::replace(what.begin(), what.end(), '\n', ' ');
    return what;
}

// The errors a command's body raises, as one line each.
int guarded(std::ostream& err, const std::string& command, Command& cmd, std::ostream& out) {
    try {
        return cmd.run(out, err);
    } catch (const UsageError& e) {
        err << command << ": " << e.what() << "\n";
    } catch (const frm::FrmError& e) {
        err << e.what() << "\n";
    } catch (const Error& e) {
        err << command << ": error " << e.number() << ": " << e.description() << "\n";
    } catch (const std::exception& e) {
        err << command << ": " << e.what() << "\n";
    }
    return 2;
}

}  // namespace

int run_kelvane(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app(wrapped("Lays out forms that carry the resizer control, form files (.frm) or Qt "
                         "Designer forms (.ui): runs them without a window or live in one, sets "
                         "their resizer up, turns form files into Qt Designer forms and looks "
                         "into the per-user store where forms keep their placement."),
                 "kelvane");
    app.footer(kFooter);
    app.require_subcommand(1);
    auto commands = make_commands();
    std::vector<std::pair<CLI::App*, Command*>> defined;
    for (const auto& c : commands) defined.emplace_back(c->define(app), c.get());
    wrap_descriptions(app, app.get_formatter()->get_column_width());
    if (args.empty()) {
        err << "kelvane: a command is required (kelvane --help lists them)\n";
        return 2;
    }
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return 0;
    } catch (const CLI::ParseError& e) {
        err << command_path(app) << ": " << parse_error_text(app, e) << "\n";
        return 2;
    }
    for (const auto& [sub, cmd] : defined)
        if (sub->parsed()) return guarded(err, command_path(app), *cmd, out);
    return 2;
}

}  // namespace kv::app
