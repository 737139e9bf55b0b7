// A resizer property set through `kelvane set`'s own code on a form pair: the input is a .frm,
// after a NUL byte its .frx, after another the property (its first byte chooses which) and its
// value. When the set is taken, the saved form must read again, its resizer must give back
// every value it saved, and no other block's properties may change (a .frx entry by its bytes).
// Refusals (FrmError, the host's numbered errors, usage errors) are answers, not faults.
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "engine/Error.h"
#include "fuzz/FuzzInput.h"
#include "harness/ResizerProperties.h"
#include "harness/Session.h"
#include "harness/UsageError.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmReader.h"
#include "host/memory/MemoryPropertyBag.h"

using namespace kv;

namespace {

const char* const kProperties[] = {"ControlSettings", "PaneSettings", "SubKey",
                                   "SplitBarsColor",  "MinWidth",     "MaxHeight",
                                   "SavePos",         "UseSplitBars", "AllowMinWindowState"};

[[noreturn]] void fault(const std::string& what) {
    std::fprintf(stderr, "round trip: %s\n", what.c_str());
    std::abort();
}

void note_props(const frm::FrmDocument& doc, const std::string& who,
                const std::vector<frm::FrmProperty>& props, std::vector<std::string>& out) {
    for (const auto& p : props) {
        if (p.kind != frm::FrmValueKind::FrxRef) {
            out.push_back(who + "." + p.name + "=" + p.raw);
            continue;
        }
        // A reference that reads nothing before the save is no entry whose bytes could change.
        try {
            out.push_back(who + "." + p.name + "=frx:" + doc.frx_text(p));
        } catch (const frm::FrmError&) {
        }
    }
}

void note_groups(const frm::FrmDocument& doc, const std::string& who,
                 const std::vector<frm::FrmGroup>& groups, std::vector<std::string>& out) {
    for (const auto& g : groups) {
        note_props(doc, who + "." + g.name, g.properties, out);
        note_groups(doc, who + "." + g.name, g.groups, out);
    }
}

// Every property of the form outside its resizer's block, in file order.
std::vector<std::string> outside_resizer(const frm::FrmDocument& doc) {
    std::vector<std::string> out;
    note_props(doc, doc.form.name, doc.form.properties, out);
    note_groups(doc, doc.form.name, doc.form.groups, out);
    const frm::FrmBlock* resizer = doc.resizer();
    doc.for_each_block([&](const frm::FrmBlock& b, const frm::FrmBlock&) {
        if (&b == resizer) return;
        note_props(doc, b.key(), b.properties, out);
        note_groups(doc, b.key(), b.groups, out);
    });
    return out;
}

bool subset_kept(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    // Readable values before are still there, with the same value, in the same order.
    size_t k = 0;
    for (const auto& v : after)
        if (k < before.size() && v == before[k]) ++k;
    return k == before.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = fuzz::split_at_nul(data, size, 3);
    if (parts.size() < 3 || parts[2].empty()) return 0;
    const std::string dir = fuzz::scratch_dir();
    const std::string frm_path = dir + "/R.frm";
    const std::string frx_path = dir + "/R.frx";
    std::ofstream(frm_path, std::ios::binary | std::ios::trunc) << parts[0];
    std::ofstream(frx_path, std::ios::binary | std::ios::trunc) << parts[1];
    const std::string name =
        kProperties[static_cast<unsigned char>(parts[2][0]) % std::size(kProperties)];
    const std::string value = parts[2].substr(1);

    std::vector<std::string> before;
    try {
        before = outside_resizer(frm::FrmReader::read_file(frm_path));
    } catch (const frm::FrmError&) {
        return 0;  // not a form: set refuses it too
    }
    std::vector<std::pair<std::string, Value>> saved;
    try {
        bool placed = false;
        if (!app::set_resizer_properties(frm_path, "", {{name, value}}, placed, &saved).empty())
            return 0;  // the control refused the value: nothing was saved
    } catch (const frm::FrmError&) {
        return 0;
    } catch (const Error&) {
        return 0;
    } catch (const app::UsageError&) {
        return 0;
    }
    try {
        const auto doc = frm::FrmReader::read_file(frm_path);
        if (!subset_kept(before, outside_resizer(doc)))
            fault("a property outside the resizer changed");
        app::Session session("", false);
        auto& loaded = session.load(doc);
        if (!loaded.resizer) fault("the saved form has no resizer");
        const auto again = loaded.resizer->write_properties()->entries();
        if (again.size() != saved.size()) fault("the resizer saved another set of values");
        for (size_t i = 0; i < saved.size(); ++i)
            if (again[i].first != saved[i].first || !same_value(again[i].second, saved[i].second))
                fault(saved[i].first + " did not read back as it was saved");
    } catch (const frm::FrmError& e) {
        fault(std::string("the saved form does not read: ") + e.what());
    } catch (const Error& e) {
        fault("the saved form does not load: " + e.description());
    }
    return 0;
}
