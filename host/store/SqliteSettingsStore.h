#pragma once
// The per-user settings store kept in a SQLite database file. Each write is one transaction, and
// a group of them (begin_group .. end_group: a form's placement, its splits) is one too; several
// processes may use the file at once (write-ahead log, busy waiting and retries); every write
// that returned true survives a crash of the writer. A file that cannot be written (read-only
// mount or permissions, a full disk) is still read, and says once that nothing is saved. A file
// that cannot be opened gives nullopt on read and false on write, and one message naming the
// file; only a damaged one asks to be repaired or removed. A file that another program keeps
// locked is waited for a few seconds in all, then treated the same way with one message that it
// is busy.
#include <chrono>
#include <functional>
#include <mutex>
#include <string>

#include "host/store/BrowsableStore.h"

struct sqlite3;

namespace kv::store {

class SqliteFailure;

class SqliteSettingsStore : public BrowsableStore {
  public:
    // Receives the one message about an unusable file. The default shows it through the current
    // host's message box, or on standard error when there is no host.
    using ErrorSink = std::function<void(const std::string& message)>;

    // How long a store waits for another program to release the file. The time is counted over
    // the calls that fail in a row, so a command that finds the file locked waits this long once
    // and then goes on with defaults; a call that gets through makes the full time available
    // again.
    static constexpr std::chrono::milliseconds kDefaultWait{4000};

    explicit SqliteSettingsStore(std::string path = default_path(), ErrorSink on_error = {},
                                 std::chrono::milliseconds wait = kDefaultWait);
    ~SqliteSettingsStore() override;
    SqliteSettingsStore(const SqliteSettingsStore&) = delete;
    SqliteSettingsStore& operator=(const SqliteSettingsStore&) = delete;

    // $XDG_CONFIG_HOME/kelvane/settings.sqlite, or ~/.config/kelvane/settings.sqlite.
    static std::string default_path();
    const std::string& path() const { return path_; }
    // The last call could not use the file (busy or unusable): its empty answer means nothing.
    bool failed() const { return failed_; }
    // Any call so far could not use the file: an answer made of several calls is not whole.
    bool ever_failed() const { return failed_before_; }

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

    void begin_group() override;
    bool end_group() override;
    std::string lost_writes() const override;

  private:
    // Runs `work` on the open database inside one transaction (write: taken at once, so that
    // waiting for other writers happens up front); retries while the file is busy. False when the
    // store is unusable or the transaction failed.
    bool transact(bool for_write, const std::function<bool(sqlite3*)>& work);
    // The same for a caller holding the mutex, outside any group.
    bool transact_alone(bool for_write, const std::function<bool(sqlite3*)>& work);
    // The same inside an open group: no transaction of its own; a failure gives the group up.
    bool transact_in_group(bool for_write, const std::function<bool(sqlite3*)>& work);
    // Opens the file and starts a transaction, waiting while it is busy. False (reported) when
    // the store cannot be used for this.
    bool begin(bool for_write);
    void open();
    void give_up_group();
    int wait_left_ms() const;
    void failed(const std::string& what, bool damaged, bool writing);
    void gave_up(const SqliteFailure& failure, bool for_write);
    void report_busy();
    void tell(const std::string& message);

    std::string path_;
    ErrorSink on_error_;
    std::mutex mutex_;
    sqlite3* db_ = nullptr;
    std::string read_only_because_;  // the file is open for reading only
    bool reported_ = false;
    bool reported_busy_ = false;
    bool reported_unwritable_ = false;
    bool failed_ = false;
    int group_depth_ = 0;
    bool group_open_ = false;     // the group's transaction is running
    bool group_failed_ = false;   // a write of the group was not kept
    std::string lost_;            // why a write was not kept ("" while every one was)
    std::string group_why_;       // why the group was given up
    bool failed_before_ = false;  // a call so far failed
    std::chrono::milliseconds wait_;
    std::chrono::milliseconds waited_{0};
};

}  // namespace kv::store
