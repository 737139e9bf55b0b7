#include "apps/kelvane/Args.h"
#include "apps/kelvane/Commands.h"
#include "apps/kelvane/Renderer.h"
#include "apps/kelvane/Session.h"
#include "host/frm/FrmReader.h"

namespace kv::app {

namespace {
const char* kHelp =
    "usage: kelvane render FORM.frm [--size WxH] -o FILE.png [--store PATH] [--codepage NAME]\n"
    "\n"
    "Loads the form in run mode, shows it, sets its outer size to W x H twips when given\n"
    "(followed by the settle timer) and writes a picture of its client area with every control\n"
    "drawn at its laid-out geometry. The form opens at the placement saved in the store and is\n"
    "not closed, so nothing is saved.\n";
}  // namespace

int cmd_render(const Argv& argv, std::ostream& out, std::ostream& err) {
    return guarded(err, "render", [&] {
        Args args(argv, {"size", "out", "store", "codepage"}, {"help"});
        if (args.has("help")) {
            out << kHelp;
            return 0;
        }
        if (args.positional().size() != 1) throw UsageError("expected one form file");
        if (!args.value("out")) throw UsageError("expected -o FILE.png");
        const auto steps = steps_from_options(args.options());
        const auto doc = frm::FrmReader::read_file(args.positional()[0],
                                                   args.value("codepage").value_or("WINDOWS-1252"));
        Session session(args.value("store").value_or(""));
        session.load(doc);
        session.show();
        for (const auto& s : steps) session.apply(s);
        std::string error;
        if (!render_png(session.snapshot(), session.host().twips_per_pixel_x(), *args.value("out"),
                        error)) {
            err << error << "\n";
            return 2;
        }
        out << "wrote " << *args.value("out") << "\n";
        return 0;
    });
}

}  // namespace kv::app
