#include "apps/kelvane/StoreKeys.h"

#include <algorithm>

#include "control/CStoreForm.h"
#include "control/zokKelvane.h"
#include "engine/CFormSizer.h"
#include "engine/HostAccess.h"
#include "harness/FormRun.h"
#include "harness/ShownText.h"

namespace kv::app {

namespace {

void print_values(const std::vector<store::NamedValue>& values, const std::string& indent,
                  std::ostream& out) {
    for (const auto& v : values)
        out << indent << (v.name.empty() ? "(default)" : shown(v.name)) << " = " << shown(v.value)
            << "\n";
}

std::string child_path(const std::string& key, const std::string& name) {
    if (key.empty() || key.back() == '\\') return key + name;
    return key + "\\" + name;
}

// False when a key it was told of could not be read.
bool walk(store::BrowsableStore& db, uint32_t root, const std::string& key, std::ostream& out) {
    const auto values = db.list_values(root, key);
    if (!key.empty()) {
        out << shown(key) << (key.back() == '\\' ? "" : "\\") << "\n";
        if (values) print_values(*values, "  ", out);
    } else if (values) {
        print_values(*values, "", out);  // the root's own values, as list shows them
    }
    bool whole = values.has_value();
    // A file of another program may hold deeper keys than the store takes: not followed.
    if (store::split_key_path(key).size() >= store::kMaxKeyDepth) return whole;
    const auto keys = db.list_subkeys(root, key);
    if (!keys) return false;
    for (const auto& k : *keys) whole = walk(db, root, child_path(key, k), out) && whole;
    return whole;
}

}  // namespace

bool list_key(store::BrowsableStore& db, uint32_t root, const std::string& key, std::ostream& out) {
    const auto keys = db.list_subkeys(root, key);
    const auto values = db.list_values(root, key);
    if (!keys || !values) return false;
    for (const auto& k : *keys) out << shown(k) << "\\\n";
    print_values(*values, "", out);
    return true;
}

bool list_tree(store::BrowsableStore& db, uint32_t root, const std::string& key, std::ostream& out,
               bool& whole) {
    if (!db.list_subkeys(root, key)) return false;
    whole = walk(db, root, key, out);
    return true;
}

std::optional<FormStoreKeys> form_store_keys(FormRun& run) {
    const auto& resizer = run.session().loaded().resizer;
    if (!resizer) return std::nullopt;
    auto control = std::dynamic_pointer_cast<zokKelvane>(resizer->user_control());
    if (!control || !control->placement_store()) return std::nullopt;
    CRegSettings& settings = control->placement_store()->settings();
    FormStoreKeys keys;
    keys.placement = settings.key_path(text(run.session().form(), Prop::Name));
    if (CFormSizer* sizer = control->form_sizer()) {
        for (const auto& pane : sizer->panes()) {
            const ObjectRef container = pane ? pane->pane_container() : nullptr;
            if (!container) continue;
            // Panes that share a container share its key.
            const std::string name = text(*container, Prop::Name);
            const bool seen = std::any_of(keys.splits.begin(), keys.splits.end(),
                                          [&](const auto& s) { return s.first == name; });
            if (!seen) keys.splits.emplace_back(name, settings.key_path(name + ".SplitPanel"));
        }
    }
    return keys;
}

}  // namespace kv::app
