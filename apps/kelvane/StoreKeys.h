#pragma once
// Finding things in the per-user store: listing a key or a whole subtree, and the keys a
// form's resizer saves its placement and pane splits under.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "host/store/BrowsableStore.h"

namespace kv::app {

class FormRun;

// The subkeys of `key` (each ending in \) and its values (NAME = VALUE); false when the key
// does not exist.
bool list_key(store::BrowsableStore& db, uint32_t root, const std::string& key, std::ostream& out);
// Every key below `key`, and the key itself, by its whole path (ending in \), each followed
// by its values indented; false when the key does not exist. `whole` turns false when a key
// listed could not be read (a damaged store).
bool list_tree(store::BrowsableStore& db, uint32_t root, const std::string& key, std::ostream& out,
               bool& whole);

struct FormStoreKeys {
    std::string placement;                                    // position, size, window state
    std::vector<std::pair<std::string, std::string>> splits;  // pane container, its key
};

// The keys of the running form's resizer; nullopt when the form has none.
std::optional<FormStoreKeys> form_store_keys(FormRun& run);

}  // namespace kv::app
