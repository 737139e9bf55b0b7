#pragma once
// The per-user settings store kept in a SQLite database file. Each write is one transaction;
// several processes may use the file at once (write-ahead log, busy waiting and retries); every
// write that returned true survives a crash of the writer. A file that cannot be opened or is not
// a valid store gives nullopt on read and false on write, and one message naming the file.
#include <functional>
#include <mutex>
#include <string>

#include "host/store/BrowsableStore.h"

struct sqlite3;

namespace kv::store {

class SqliteSettingsStore : public BrowsableStore {
  public:
    // Receives the one message about an unusable file. The default shows it through the current
    // host's message box, or on standard error when there is no host.
    using ErrorSink = std::function<void(const std::string& message)>;

    explicit SqliteSettingsStore(std::string path = default_path(), ErrorSink on_error = {});
    ~SqliteSettingsStore() override;
    SqliteSettingsStore(const SqliteSettingsStore&) = delete;
    SqliteSettingsStore& operator=(const SqliteSettingsStore&) = delete;

    // $XDG_CONFIG_HOME/kelvane/settings.sqlite, or ~/.config/kelvane/settings.sqlite.
    static std::string default_path();
    const std::string& path() const { return path_; }

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
    // Runs `work` on the open database inside one transaction (write: taken at once, so that
    // waiting for other writers happens up front); retries while the file is busy. False when the
    // store is unusable or the transaction failed.
    bool transact(bool for_write, const std::function<bool(sqlite3*)>& work);
    bool open();
    void report(const std::string& what);

    std::string path_;
    ErrorSink on_error_;
    std::mutex mutex_;
    sqlite3* db_ = nullptr;
    bool reported_ = false;
};

}  // namespace kv::store
