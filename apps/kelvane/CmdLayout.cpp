#include <iostream>

#include "apps/kelvane/Args.h"
#include "apps/kelvane/Commands.h"
#include "apps/kelvane/GeometryTable.h"
#include "apps/kelvane/Session.h"
#include "engine/Error.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmReader.h"

namespace kv::app {

namespace {
const char* kHelp =
    "usage: kelvane layout FORM.frm [--size WxH]... [--user-size WxH]... [--state normal|min|max]\n"
    "                      [--drag X,Y:X2,Y2[@CONTAINER]]... [--json] [--store PATH]\n"
    "                      [--codepage NAME]\n"
    "\n"
    "Loads the form in run mode and shows it, then applies the steps in command-line order,\n"
    "each followed by the settle timer:\n"
    "  --size WxH        the form's outer size in twips is set to W x H\n"
    "  --user-size WxH   the user drags the border to W x H (the size limits apply)\n"
    "  --state S         the window state becomes normal, min or max\n"
    "  --drag ...        the pointer moves onto X,Y, presses, moves to X2,Y2 and releases;\n"
    "                    coordinates in the container's scale units; the container is the form\n"
    "                    unless named by its control key after @\n"
    "Then the user closes the form: its placement and splits are saved into the store, so a\n"
    "second run with the same --store opens the form where this one left it. Printed: every\n"
    "control as it stood before the close (a table, or with --json one JSON document with the\n"
    "form, the controls in collection order and every message box shown).\n"
    "  --store PATH      the per-user store file (default: the user's own store)\n"
    "  --codepage NAME   code page of the form file when it is not UTF-8 (default WINDOWS-1252)\n";
}  // namespace

int guarded(std::ostream& err, const std::string& command, const std::function<int()>& body) {
    try {
        return body();
    } catch (const UsageError& e) {
        err << "kelvane " << command << ": " << e.what() << "\n";
        err << "Try 'kelvane " << command << " --help'.\n";
    } catch (const frm::FrmError& e) {
        err << e.what() << "\n";
    } catch (const Error& e) {
        err << "kelvane " << command << ": error " << e.number() << ": " << e.description() << "\n";
    } catch (const std::exception& e) {
        err << "kelvane " << command << ": " << e.what() << "\n";
    }
    return 2;
}

int cmd_layout(const Argv& argv, std::ostream& out, std::ostream& err) {
    return guarded(err, "layout", [&] {
        Args args(argv, {"size", "user-size", "state", "drag", "store", "codepage"},
                  {"json", "help"});
        if (args.has("help")) {
            out << kHelp;
            return 0;
        }
        if (args.positional().size() != 1) throw UsageError("expected one form file");
        const auto steps = steps_from_options(args.options());
        const auto doc = frm::FrmReader::read_file(args.positional()[0],
                                                   args.value("codepage").value_or("WINDOWS-1252"));
        Session session(args.value("store").value_or(""));
        session.load(doc);
        session.show();
        for (const auto& step : steps) session.apply(step);
        const Snapshot before_close = session.snapshot();
        session.close();
        if (args.has("json")) {
            out << layout_json(before_close, session.host().messages());
        } else {
            print_table(out, before_close);
            for (const auto& m : session.host().messages()) out << "message: " << m.text << "\n";
        }
        return 0;
    });
}

}  // namespace kv::app
