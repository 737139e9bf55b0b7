#include "harness/ResizerProperties.h"

#include <cmath>
#include <functional>
#include <map>

#include "control/zokKelvane.h"
#include "engine/Numbers.h"
#include "harness/FormFile.h"
#include "harness/Session.h"
#include "harness/UsageError.h"
#include "host/frm/FormLock.h"
#include "host/frm/FrmBlock.h"
#include "host/frm/FrmReader.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryPropertyBag.h"

namespace kv::app {

namespace {

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

// A size limit: twips as a 32-bit whole number; -1 is the control's "no limit" and 0 is left to
// the window system as well, any other negative value is no size.
int32_t parse_limit(const std::string& name, const std::string& v) {
    const auto n = parse_number(v);
    if (!n || *n != std::trunc(*n) || (*n < 0 && *n != -1) || *n > 2147483647.0)
        throw UsageError(
            name +
            ": expected a whole number of twips from 0 to 2147483647, or -1 for no limit, found '" +
            v + "'");
    return static_cast<int32_t>(*n);
}

// A maximum below its minimum would leave the user no size to drag the form to. Only pairs the
// assignments touch are checked: a form file as it was is not the command's business.
void check_limit_pairs(zokKelvane& k,
                       const std::vector<std::pair<std::string, std::string>>& assignments) {
    struct Pair {
        const char *min_name, *max_name;
        int32_t min, max;
    };
    const Pair pairs[] = {{"MinWidth", "MaxWidth", k.MinWidth(), k.MaxWidth()},
                          {"MinHeight", "MaxHeight", k.MinHeight(), k.MaxHeight()}};
    for (const auto& p : pairs) {
        bool touched = false;
        for (const auto& a : assignments)
            touched = touched || frm::same_name(a.first, p.min_name) ||
                      frm::same_name(a.first, p.max_name);
        if (touched && p.min > 0 && p.max > 0 && p.max < p.min)
            throw UsageError(std::string(p.max_name) + " " + std::to_string(p.max) + " is below " +
                             p.min_name + " " + std::to_string(p.min) +
                             "; give a maximum of at least the minimum, or -1 for no limit");
    }
}

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
        auto limit = [&](const char* n, void (zokKelvane::*f)(int32_t)) {
            t[n] = [f, n](zokKelvane& k, const std::string& v) { (k.*f)(parse_limit(n, v)); };
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
        limit("MinWidth", &zokKelvane::MinWidth);
        limit("MinHeight", &zokKelvane::MinHeight);
        limit("MaxWidth", &zokKelvane::MaxWidth);
        limit("MaxHeight", &zokKelvane::MaxHeight);
        return t;
    }();
    return table;
}

}  // namespace

const Setter& setter_for(const std::string& name) {
    for (const auto& [n, s] : setters())
        if (frm::same_name(n, name)) return s;
    throw UsageError("unknown property '" + name + "' (see kelvane set --help)");
}

std::vector<std::string> set_resizer_properties(
    const std::string& path, const std::string& codepage,
    const std::vector<std::pair<std::string, std::string>>& assignments, bool& placed,
    std::vector<std::pair<std::string, Value>>* saved) {
    for (const auto& a : assignments) setter_for(a.first);
    // Read, change and save as one: a second set of the same form waits, then reads this one's
    // result, so that neither change is lost.
    frm::FormLock alone(frm::FrmReader::form_on_disk(path), frm::FormLock::Mode::Exclusive, path);
    FormFile file(path, codepage);
    // The designer: user mode off, so a new control runs its one-per-form check and defaults.
    Session session("", false);
    auto& loaded = session.load(file);
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
    check_limit_pairs(*control, assignments);
    std::vector<std::string> refused;
    const auto& messages = session.host().messages();
    for (size_t i = messages_before; i < messages.size(); ++i) refused.push_back(messages[i].text);
    if (!refused.empty()) return refused;
    // Only the resizer's properties change (its block or widget added first when it was placed).
    const auto bag = resizer->write_properties();
    file.save_resizer(bag->entries());
    if (saved) *saved = bag->entries();
    return refused;
}

}  // namespace kv::app
