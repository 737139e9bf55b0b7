#pragma once
// Where a resizer keeps what the user leaves behind: the window's place, size and state and the
// split positions, as text values under a key path (a registry-like tree, one per user).
// Implement it to keep them in the application's own settings, or take one of the two stores
// below.
#include <memory>
#include <optional>
#include <string>

namespace kelvane {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // nullopt when there is no such value.
    virtual std::optional<std::string> read(const std::string& key_path,
                                            const std::string& name) = 0;
    // false when the value could not be written.
    virtual bool write(const std::string& key_path, const std::string& name,
                       const std::string& value) = 0;
};

// A SQLite file shared safely by several processes; "" is the user's default
// ($XDG_CONFIG_HOME/kelvane/settings.sqlite, else ~/.config/kelvane/settings.sqlite).
std::shared_ptr<SettingsStore> file_store(const std::string& path = {});
// Values kept in memory until the store goes (nothing survives the process).
std::shared_ptr<SettingsStore> memory_store();

}  // namespace kelvane
