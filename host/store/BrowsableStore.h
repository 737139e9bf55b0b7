#pragma once
// A settings store that can also be browsed and pruned: what the `kelvane store` tool needs on
// top of the plain read/write of kv::SettingsStore.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/Host.h"

namespace kv::store {

// The registry's root for per-user settings (HKEY_CURRENT_USER).
inline constexpr uint32_t kCurrentUser = 0x80000001u;

// One value of a key: its name as first written ("" for the key's default value) and its text.
struct NamedValue {
    std::string name;
    std::string value;
    bool operator==(const NamedValue&) const = default;
};

class BrowsableStore : public kv::SettingsStore {
  public:
    // Names of the direct subkeys, sorted case-insensitively; nullopt when the key does not
    // exist or the store cannot be read.
    virtual std::optional<std::vector<std::string>> list_subkeys(uint32_t root,
                                                                 const std::string& key_path) = 0;
    // The key's values, sorted case-insensitively by name; nullopt as above.
    virtual std::optional<std::vector<NamedValue>> list_values(uint32_t root,
                                                               const std::string& key_path) = 0;
    // True when the value existed and was removed.
    virtual bool delete_value(uint32_t root, const std::string& key_path,
                              const std::string& value_name) = 0;
    // Removes the key with all its subkeys and values; true when the key existed and was removed.
    // The root itself (an empty path) cannot be removed.
    virtual bool delete_key(uint32_t root, const std::string& key_path) = 0;
    // Why a write since the store was opened was not kept; "" when every one was.
    virtual std::string lost_writes() const { return {}; }
};

// The deepest key the stores take, in levels (the registry's own limit): a deeper key is not
// written (write answers false) and not found.
inline constexpr size_t kMaxKeyDepth = 512;

// Key path handling shared by the stores: "a\\b\\\\c\\" -> {"a", "b", "c"} (empty parts are
// dropped, so a leading or doubled "\" does no harm).
std::vector<std::string> split_key_path(const std::string& key_path);
// Case-insensitive form of a key or value name (ASCII letters folded; other bytes kept).
std::string fold_name(const std::string& name);

}  // namespace kv::store
