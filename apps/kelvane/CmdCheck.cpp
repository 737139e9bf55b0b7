#include "apps/kelvane/Args.h"
#include "apps/kelvane/Commands.h"
#include "apps/kelvane/Session.h"
#include "control/ControlLookup.h"
#include "control/SettingsStrings.h"
#include "engine/Error.h"
#include "host/frm/FrmLoader.h"
#include "host/frm/FrmReader.h"

namespace kv::app {

namespace {

const char* kHelp =
    "usage: kelvane check FORM.frm [--store PATH] [--codepage NAME]\n"
    "\n"
    "Loads the form in run mode and runs its load processing, then prints every message the\n"
    "resizer raised about the set-up (duplicate controls, pane problems, errors in the\n"
    "settings strings), and every ControlSettings or PaneSettings line whose control key names\n"
    "no control of the form (lines the resizer skips without a word).\n"
    "Exit status: 0 nothing found, 1 findings, 2 the form could not be read.\n";

// Keys of the settings strings that name no control of the form.
std::vector<std::string> unmatched_keys(const ObjectRef& form, const std::string& name,
                                        const std::string& text, bool panes) {
    std::vector<std::string> found;
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
            if (!c)
                found.push_back(name + " line " + std::to_string(i + 1) + ": '" + key +
                                "' names no control of the form");
        }
    }
    return found;
}

}  // namespace

int cmd_check(const Argv& argv, std::ostream& out, std::ostream& err) {
    return guarded(err, "check", [&] {
        Args args(argv, {"store", "codepage"}, {"help"});
        if (args.has("help")) {
            out << kHelp;
            return 0;
        }
        if (args.positional().size() != 1) throw UsageError("expected one form file");
        const auto doc = frm::FrmReader::read_file(args.positional()[0],
                                                   args.value("codepage").value_or("WINDOWS-1252"));
        Session session(args.value("store").value_or(""));
        // As under the designer, so that errors the resizer traps are shown, not swallowed.
        session.host().set_running_under_designer(true);
        auto& loaded = session.load(doc);
        session.show();
        int findings = 0;
        for (const auto& m : session.host().messages()) {
            out << "message: " << m.text << "\n";
            ++findings;
        }
        if (const auto* block = doc.resizer()) {
            for (const char* name : {"ControlSettings", "PaneSettings"}) {
                const auto* p = block->find(name);
                if (!p) continue;
                const auto v = frm::FrmLoader::value_of(doc, *p, true);
                const std::string text = v ? to_text(*v) : "";
                for (const auto& f :
                     unmatched_keys(loaded.form, name, text, std::string(name) == "PaneSettings")) {
                    out << f << "\n";
                    ++findings;
                }
            }
        } else {
            out << "the form has no resizer control\n";
        }
        if (findings == 0) out << "no findings\n";
        return findings ? 1 : 0;
    });
}

}  // namespace kv::app
