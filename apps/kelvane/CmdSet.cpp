#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "apps/kelvane/Args.h"
#include "apps/kelvane/Commands.h"
#include "apps/kelvane/Session.h"
#include "control/zokKelvane.h"
#include "engine/Error.h"
#include "engine/Numbers.h"
#include "host/frm/FrmBlock.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmReader.h"
#include "host/frm/FrmWriter.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryPropertyBag.h"

namespace kv::app {

namespace {

const char* kHelp =
    "usage: kelvane set FORM.frm PROPERTY=VALUE... [--codepage NAME]\n"
    "\n"
    "Sets properties of the form's resizer control and saves the form, changing nothing else\n"
    "in it. When the form has no resizer yet, one is first placed on it as the designer places\n"
    "a new one (with a new FormGUID).\n"
    "Properties: ControlSettings, PaneSettings, SubKey (texts); AddAllControls,\n"
    "AddAllFontsButtons, LockWindowOnResize, UseSplitBars, SavePos, SaveSizes, SaveWindowState,\n"
    "SavePaneSplit, AllowMinWindowState (True or False); SplitBarsColor (a number or &H...&);\n"
    "MinWidth, MinHeight, MaxWidth, MaxHeight (twips, -1 for none). FormGUID is read-only.\n"
    "VALUE @FILE reads the text from a file: settings strings hold tabs and line breaks; the\n"
    "file's line breaks become CR LF and one final line break is dropped.\n";

std::string read_text_file(const std::string& path) {
    // A folder opens as a stream that reads nothing: it would pass for an empty text.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw UsageError("cannot read '" + path + "': it is not a regular file");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw UsageError("cannot read '" + path + "'");
    std::ostringstream ss;
    ss << in.rdbuf();
    std::string raw = ss.str();
    if (!raw.empty() && raw.back() == '\n') raw.pop_back();
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    std::string text;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\n' && (i == 0 || raw[i - 1] != '\r')) text += '\r';
        text += raw[i];
    }
    return text;
}

bool parse_bool(const std::string& name, const std::string& v) {
    if (frm::same_name(v, "True") || v == "-1" || v == "1") return true;
    if (frm::same_name(v, "False") || v == "0") return false;
    throw UsageError(name + ": expected True or False, found '" + v + "'");
}

int32_t parse_long(const std::string& name, const std::string& v) {
    const auto n = parse_number(v);
    if (!n || *n != std::trunc(*n) || *n < -2147483648.0 || *n > 4294967295.0)
        throw UsageError(name + ": expected a whole number, found '" + v + "'");
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(*n)));
}

using Setter = std::function<void(zokKelvane&, const std::string&)>;

const std::map<std::string, Setter>& setters() {
    static const std::map<std::string, Setter> table = [] {
        std::map<std::string, Setter> t;
        auto text = [&](const char* n, void (zokKelvane::*f)(const std::string&)) {
            t[n] = [f](zokKelvane& k, const std::string& v) { (k.*f)(v); };
        };
        auto flag = [&](const char* n, void (zokKelvane::*f)(bool)) {
            t[n] = [f, n](zokKelvane& k, const std::string& v) { (k.*f)(parse_bool(n, v)); };
        };
        auto num = [&](const char* n, void (zokKelvane::*f)(int32_t)) {
            t[n] = [f, n](zokKelvane& k, const std::string& v) { (k.*f)(parse_long(n, v)); };
        };
        text("ControlSettings", &zokKelvane::ControlSettings);
        text("PaneSettings", &zokKelvane::PaneSettings);
        text("SubKey", &zokKelvane::SubKey);
        text("FormGUID", &zokKelvane::FormGUID);
        flag("AddAllControls", &zokKelvane::AddAllControls);
        flag("AddAllFontsButtons", &zokKelvane::AddAllFontsButtons);
        flag("LockWindowOnResize", &zokKelvane::LockWindowOnResize);
        flag("UseSplitBars", &zokKelvane::UseSplitBars);
        flag("SavePos", &zokKelvane::SavePos);
        flag("SaveSizes", &zokKelvane::SaveSizes);
        flag("SaveWindowState", &zokKelvane::SaveWindowState);
        flag("SavePaneSplit", &zokKelvane::SavePaneSplit);
        flag("AllowMinWindowState", &zokKelvane::AllowMinWindowState);
        num("SplitBarsColor", &zokKelvane::SplitBarsColor);
        num("MinWidth", &zokKelvane::MinWidth);
        num("MinHeight", &zokKelvane::MinHeight);
        num("MaxWidth", &zokKelvane::MaxWidth);
        num("MaxHeight", &zokKelvane::MaxHeight);
        return t;
    }();
    return table;
}

const Setter& setter_for(const std::string& name) {
    for (const auto& [n, s] : setters())
        if (frm::same_name(n, name)) return s;
    throw UsageError("unknown property '" + name + "' (see kelvane set --help)");
}

}  // namespace

std::vector<std::string> set_resizer_properties(
    const std::string& path, const std::string& codepage,
    const std::vector<std::pair<std::string, std::string>>& assignments, bool& placed) {
    for (const auto& a : assignments) setter_for(a.first);
    auto doc = frm::FrmReader::read_file(path, codepage);
    // The designer: user mode off, so a new control runs its one-per-form check and defaults.
    Session session(kMemoryStore, false);
    auto& loaded = session.load(doc);
    std::shared_ptr<mem::MemoryObject> resizer = loaded.resizer;
    placed = false;
    if (!resizer) {
        resizer = loaded.form->add_user_control(kZokKelvaneClassId, "zokKelvane1");
        placed = true;
    }
    auto control = std::dynamic_pointer_cast<zokKelvane>(resizer->user_control());
    if (!control) throw UsageError("the resizer control could not be created");
    const size_t messages_before = session.host().messages().size();
    for (const auto& [name, value] : assignments) setter_for(name)(*control, value);
    std::vector<std::string> refused;
    const auto& messages = session.host().messages();
    for (size_t i = messages_before; i < messages.size(); ++i) refused.push_back(messages[i].text);
    if (!refused.empty()) return refused;
    const auto bag = resizer->write_properties();
    if (placed) {
        doc = frm::FrmReader::read_bytes(frm::FrmWriter::add_resizer_block(doc, "zokKelvane1"),
                                         path, codepage);
    }
    frm::FrmWriter::write_files(path, frm::FrmWriter::save_resizer(doc, bag->entries()));
    return refused;
}

int cmd_set(const Argv& argv, std::ostream& out, std::ostream& err) {
    return guarded(err, "set", [&] {
        Args args(argv, {"codepage"}, {"help"});
        if (args.has("help")) {
            out << kHelp;
            return 0;
        }
        if (args.positional().size() < 2)
            throw UsageError("expected a form file and PROPERTY=VALUE...");
        const std::string path = args.positional()[0];
        const std::string codepage = args.value("codepage").value_or("WINDOWS-1252");
        // Check every assignment before touching anything.
        std::vector<std::pair<std::string, std::string>> assignments;
        for (size_t i = 1; i < args.positional().size(); ++i) {
            const auto& a = args.positional()[i];
            const auto eq = a.find('=');
            if (eq == std::string::npos || eq == 0)
                throw UsageError("expected PROPERTY=VALUE, found '" + a + "'");
            std::string value = a.substr(eq + 1);
            if (!value.empty() && value[0] == '@') value = read_text_file(value.substr(1));
            setter_for(a.substr(0, eq));
            assignments.emplace_back(a.substr(0, eq), value);
        }
        bool placed = false;
        const auto refused = set_resizer_properties(path, codepage, assignments, placed);
        for (const auto& m : refused) err << m << "\n";
        if (!refused.empty()) return 2;
        out << (placed ? "placed a resizer control on the form and saved " : "saved ") << path
            << "\n";
        return 0;
    });
}

}  // namespace kv::app
