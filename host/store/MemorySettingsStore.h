#pragma once
// The settings store kept in memory: registry semantics (case-insensitive key and value names
// stored with the case first written, text values), nothing persisted. The memory host's default.
#include <map>
#include <mutex>

#include "host/store/BrowsableStore.h"

namespace kv::store {

class MemorySettingsStore : public BrowsableStore {
  public:
    std::optional<std::string> read(uint32_t root, const std::string& key_path,
                                    const std::string& value_name) override;
    bool write(uint32_t root, const std::string& key_path, const std::string& value_name,
               const std::string& value) override;

    std::optional<std::vector<std::string>> list_subkeys(uint32_t root,
                                                         const std::string& key_path) override;
    std::optional<std::vector<NamedValue>> list_values(uint32_t root,
                                                       const std::string& key_path) override;
    bool delete_value(uint32_t root, const std::string& key_path,
                      const std::string& value_name) override;
    bool delete_key(uint32_t root, const std::string& key_path) override;

  private:
    struct Key {
        std::string name;                          // as first written
        std::map<std::string, Key> subkeys;        // by folded name
        std::map<std::string, NamedValue> values;  // by folded name
    };

    Key* find(uint32_t root, const std::string& key_path);
    Key& find_or_create(uint32_t root, const std::string& key_path);

    std::mutex mutex_;
    std::map<uint32_t, Key> roots_;
};

}  // namespace kv::store
