#include "host/store/MemorySettingsStore.h"

namespace kv::store {

MemorySettingsStore::Key* MemorySettingsStore::find(uint32_t root, const std::string& key_path) {
    // A root always exists, even before anything is written under it.
    Key* key = &roots_[root];
    for (const std::string& part : split_key_path(key_path)) {
        auto it = key->subkeys.find(fold_name(part));
        if (it == key->subkeys.end()) return nullptr;
        key = &it->second;
    }
    return key;
}

MemorySettingsStore::Key& MemorySettingsStore::find_or_create(uint32_t root,
                                                              const std::string& key_path) {
    Key* key = &roots_[root];
    for (const std::string& part : split_key_path(key_path)) {
        auto [it, inserted] = key->subkeys.try_emplace(fold_name(part));
        if (inserted) it->second.name = part;
        key = &it->second;
    }
    return *key;
}

std::optional<std::string> MemorySettingsStore::read(uint32_t root, const std::string& key_path,
                                                     const std::string& value_name) {
    std::lock_guard lock(mutex_);
    Key* key = find(root, key_path);
    if (!key) return std::nullopt;
    auto it = key->values.find(fold_name(value_name));
    if (it == key->values.end()) return std::nullopt;
    return it->second.value;
}

bool MemorySettingsStore::write(uint32_t root, const std::string& key_path,
                                const std::string& value_name, const std::string& value) {
    if (split_key_path(key_path).size() > kMaxKeyDepth) return false;
    std::lock_guard lock(mutex_);
    Key& key = find_or_create(root, key_path);
    auto [it, inserted] = key.values.try_emplace(fold_name(value_name));
    if (inserted) it->second.name = value_name;
    it->second.value = value;
    return true;
}

std::optional<std::vector<std::string>> MemorySettingsStore::list_subkeys(
    uint32_t root, const std::string& key_path) {
    std::lock_guard lock(mutex_);
    Key* key = find(root, key_path);
    if (!key) return std::nullopt;
    std::vector<std::string> names;
    for (const auto& [folded, sub] : key->subkeys) names.push_back(sub.name);
    return names;
}

std::optional<std::vector<NamedValue>> MemorySettingsStore::list_values(
    uint32_t root, const std::string& key_path) {
    std::lock_guard lock(mutex_);
    Key* key = find(root, key_path);
    if (!key) return std::nullopt;
    std::vector<NamedValue> values;
    for (const auto& [folded, value] : key->values) values.push_back(value);
    return values;
}

bool MemorySettingsStore::delete_value(uint32_t root, const std::string& key_path,
                                       const std::string& value_name) {
    std::lock_guard lock(mutex_);
    Key* key = find(root, key_path);
    return key && key->values.erase(fold_name(value_name)) > 0;
}

bool MemorySettingsStore::delete_key(uint32_t root, const std::string& key_path) {
    std::lock_guard lock(mutex_);
    std::vector<std::string> parts = split_key_path(key_path);
    if (parts.empty()) return false;
    std::string last = parts.back();
    parts.pop_back();
    std::string parent_path;
    for (const std::string& p : parts) parent_path += p + "\\";
    Key* parent = find(root, parent_path);
    return parent && parent->subkeys.erase(fold_name(last)) > 0;
}

}  // namespace kv::store
