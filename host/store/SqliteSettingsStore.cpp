#include "host/store/SqliteSettingsStore.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <thread>

#include "host/store/SqliteStatement.h"
#include "host/store/SqliteStoreFile.h"

namespace kv::store {
namespace {

// The id of the key, 0 when it (or a level above it) does not exist; with `create`, missing
// levels are made.
int64_t find_key(sqlite3* db, uint32_t root, const std::string& key_path, bool create) {
    SqliteStatement insert(db,
                           "INSERT INTO keys(root, parent, name) VALUES(?1, ?2, ?3) "
                           "ON CONFLICT DO NOTHING");
    SqliteStatement select(db, "SELECT id FROM keys WHERE root = ?1 AND parent = ?2 AND name = ?3");
    int64_t id = 0;
    std::vector<std::string> parts = split_key_path(key_path);
    if (parts.size() > kMaxKeyDepth) return 0;
    parts.insert(parts.begin(), std::string());  // the root's own node
    for (const std::string& part : parts) {
        if (create) {
            insert.reset();
            insert.bind(1, int64_t{root}).bind(2, id).bind(3, part).step();
        }
        select.reset();
        select.bind(1, int64_t{root}).bind(2, id).bind(3, part);
        if (!select.step()) return 0;
        id = select.integer(0);
    }
    return id;
}

// A root always exists: before anything is written under it, it lists as empty.
template <typename List>
bool root_is_empty(const std::string& key_path, std::optional<List>& result) {
    if (split_key_path(key_path).empty()) result.emplace();
    return true;
}

}  // namespace

SqliteSettingsStore::SqliteSettingsStore(std::string path, ErrorSink on_error,
                                         std::chrono::milliseconds wait)
    : path_(std::move(path)), on_error_(std::move(on_error)), wait_(wait) {}

SqliteSettingsStore::~SqliteSettingsStore() {
    sqlite3_close_v2(db_);
}

std::string SqliteSettingsStore::default_path() {
    namespace fs = std::filesystem;
    fs::path base;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg && fs::path(xdg).is_absolute()) {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home && *home ? home : ".") / ".config";
    }
    return (base / "kelvane" / "settings.sqlite").string();
}

void SqliteSettingsStore::failed(const std::string& what, bool damaged, bool writing) {
    failed_ = true;
    if (writing) lost_ = what;
    if (damaged) {
        if (reported_) return;
        reported_ = true;
        tell("The settings file \"" + path_ + "\" cannot be used: " + what +
             ". Settings are neither read nor saved until the file is repaired or removed.");
    } else if (db_ && writing) {
        // Open, but not for writing: what was saved before is still read.
        if (reported_unwritable_) return;
        reported_unwritable_ = true;
        tell("The settings file \"" + path_ + "\" cannot be written: " + what +
             ". Settings are read from it but not saved.");
    } else {
        if (reported_) return;
        reported_ = true;
        tell("The settings file \"" + path_ + "\" cannot be used: " + what +
             ". Settings are neither read nor saved.");
    }
}

void SqliteSettingsStore::report_busy() {
    if (reported_busy_) return;
    reported_busy_ = true;
    tell("The settings file \"" + path_ +
         "\" is busy: another program keeps it locked. Settings are neither read nor saved "
         "while it does.");
}

void SqliteSettingsStore::tell(const std::string& message) {
    if (on_error_) {
        on_error_(message);
    } else if (Host::has_current()) {
        Host::current().msg_box(message, kExclamation, "");
    } else {
        std::cerr << message << '\n';
    }
}

void SqliteSettingsStore::open() {
    if (db_) return;
    auto opened = SqliteStoreFile::open(path_, wait_left_ms());
    db_ = opened.db;
    read_only_because_ = opened.read_only_because;
}

int SqliteSettingsStore::wait_left_ms() const {
    return static_cast<int>(std::max<int64_t>(0, (wait_ - waited_).count()));
}

bool SqliteSettingsStore::begin(bool for_write) {
    using Clock = std::chrono::steady_clock;
    for (;;) {
        const auto started = Clock::now();
        try {
            open();
            if (for_write && !read_only_because_.empty()) {
                failed(read_only_because_, false, true);
                return false;
            }
            sqlite3_busy_timeout(db_, wait_left_ms());
            sqlite_exec(db_, for_write ? "BEGIN IMMEDIATE" : "BEGIN");
            waited_ = std::chrono::milliseconds(0);
            return true;
        } catch (const SqliteFailure& failure) {
            waited_ +=
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
            if (failure.busy() && wait_left_ms() > 0) {
                // Some waits are not covered by the busy handler (a reader that meets a log being
                // reset): pause briefly and count the time against the budget.
                std::this_thread::sleep_for(
                    std::chrono::milliseconds(std::min(50, wait_left_ms())));
                continue;
            }
            gave_up(failure, for_write);
            return false;
        }
    }
}

bool SqliteSettingsStore::transact(bool for_write, const std::function<bool(sqlite3*)>& work) {
    std::lock_guard lock(mutex_);
    failed_ = false;
    const bool done =
        group_depth_ > 0 ? transact_in_group(for_write, work) : transact_alone(for_write, work);
    failed_before_ = failed_before_ || failed_;
    return done;
}

bool SqliteSettingsStore::transact_alone(bool for_write,
                                         const std::function<bool(sqlite3*)>& work) {
    for (;;) {
        if (!begin(for_write)) return false;
        try {
            const bool done = work(db_);
            sqlite_exec(db_, done ? "COMMIT" : "ROLLBACK");
            return done;
        } catch (const SqliteFailure& failure) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            if (failure.busy() && wait_left_ms() > 0) continue;
            gave_up(failure, for_write);
            return false;
        }
    }
}

bool SqliteSettingsStore::transact_in_group(bool for_write,
                                            const std::function<bool(sqlite3*)>& work) {
    if (!group_open_) {
        // The group's transaction could not start, or was given up: none of its writes is
        // made on its own, or the group would be kept half. Reads go on by themselves.
        if (for_write) {
            failed_ = true;
            if (lost_.empty()) lost_ = group_why_.empty() ? "the save could not start" : group_why_;
            return false;
        }
        return transact_alone(false, work);
    }
    try {
        return work(db_);
    } catch (const SqliteFailure& failure) {
        give_up_group();
        group_why_ = failure.what();
        failed(failure.what(), failure.damaged(), for_write);
        return false;
    }
}

// A transaction given up, after waiting as long as allowed for a busy file or at once for anything
// else, said once.
void SqliteSettingsStore::gave_up(const SqliteFailure& failure, bool for_write) {
    if (failure.busy()) {
        failed_ = true;
        if (for_write) lost_ = failure.what();
        report_busy();
    } else {
        failed(failure.what(), failure.damaged(), for_write);
    }
}

void SqliteSettingsStore::give_up_group() {
    if (group_open_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    group_open_ = false;
    group_failed_ = true;
}

void SqliteSettingsStore::begin_group() {
    std::lock_guard lock(mutex_);
    if (group_depth_++ > 0) return;
    group_failed_ = false;
    group_why_.clear();
    group_open_ = begin(true);
    group_failed_ = !group_open_;
}

bool SqliteSettingsStore::end_group() {
    std::lock_guard lock(mutex_);
    if (group_depth_ == 0 || --group_depth_ > 0) return !group_failed_;
    if (group_open_) {
        group_open_ = false;
        try {
            sqlite_exec(db_, "COMMIT");
        } catch (const SqliteFailure& failure) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            group_failed_ = true;
            failed(failure.what(), failure.damaged(), true);
        }
    }
    return !group_failed_;
}

std::string SqliteSettingsStore::lost_writes() const {
    return lost_;
}

std::optional<std::string> SqliteSettingsStore::read(uint32_t root, const std::string& key_path,
                                                     const std::string& value_name) {
    std::optional<std::string> result;
    transact(false, [&](sqlite3* db) {
        const int64_t key = find_key(db, root, key_path, false);
        if (key == 0) return true;
        SqliteStatement select(db, "SELECT value FROM entries WHERE key_id = ?1 AND name = ?2");
        select.bind(1, key).bind(2, value_name);
        if (select.step()) result = select.text(0);
        return true;
    });
    return result;
}

bool SqliteSettingsStore::write(uint32_t root, const std::string& key_path,
                                const std::string& value_name, const std::string& value) {
    if (split_key_path(key_path).size() > kMaxKeyDepth) {
        std::lock_guard lock(mutex_);
        lost_ = "a key deeper than " + std::to_string(kMaxKeyDepth) + " levels";
        return false;
    }
    return transact(true, [&](sqlite3* db) {
        const int64_t key = find_key(db, root, key_path, true);
        SqliteStatement upsert(db,
                               "INSERT INTO entries(key_id, name, value) VALUES(?1, ?2, ?3) "
                               "ON CONFLICT(key_id, name) DO UPDATE SET value = excluded.value");
        upsert.bind(1, key).bind(2, value_name).bind(3, value).step();
        return true;
    });
}

std::optional<std::vector<std::string>> SqliteSettingsStore::list_subkeys(
    uint32_t root, const std::string& key_path) {
    std::optional<std::vector<std::string>> result;
    transact(false, [&](sqlite3* db) {
        const int64_t key = find_key(db, root, key_path, false);
        if (key == 0) return root_is_empty(key_path, result);
        SqliteStatement select(db, "SELECT name FROM keys WHERE parent = ?1 ORDER BY name");
        select.bind(1, key);
        // Whole or not at all: a damaged page half way gives no list, not a short one.
        std::vector<std::string> names;
        while (select.step()) names.push_back(select.text(0));
        result = std::move(names);
        return true;
    });
    return result;
}

std::optional<std::vector<NamedValue>> SqliteSettingsStore::list_values(
    uint32_t root, const std::string& key_path) {
    std::optional<std::vector<NamedValue>> result;
    transact(false, [&](sqlite3* db) {
        const int64_t key = find_key(db, root, key_path, false);
        if (key == 0) return root_is_empty(key_path, result);
        SqliteStatement select(db,
                               "SELECT name, value FROM entries WHERE key_id = ?1 ORDER BY name");
        select.bind(1, key);
        std::vector<NamedValue> values;
        while (select.step()) values.push_back({select.text(0), select.text(1)});
        result = std::move(values);
        return true;
    });
    return result;
}

bool SqliteSettingsStore::delete_value(uint32_t root, const std::string& key_path,
                                       const std::string& value_name) {
    bool deleted = false;
    transact(true, [&](sqlite3* db) {
        const int64_t key = find_key(db, root, key_path, false);
        if (key == 0) return true;
        SqliteStatement del(db, "DELETE FROM entries WHERE key_id = ?1 AND name = ?2");
        del.bind(1, key).bind(2, value_name).step();
        deleted = sqlite3_changes(db) > 0;
        return true;
    });
    return deleted;
}

bool SqliteSettingsStore::delete_key(uint32_t root, const std::string& key_path) {
    if (split_key_path(key_path).empty()) return false;
    bool deleted = false;
    transact(true, [&](sqlite3* db) {
        const int64_t key = find_key(db, root, key_path, false);
        if (key == 0) return true;
        constexpr const char* kTree =
            "WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL "
            "SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id) ";
        SqliteStatement values(
            db, (std::string(kTree) + "DELETE FROM entries WHERE key_id IN (SELECT id FROM tree)")
                    .c_str());
        values.bind(1, key).step();
        SqliteStatement keys(
            db,
            (std::string(kTree) + "DELETE FROM keys WHERE id IN (SELECT id FROM tree)").c_str());
        keys.bind(1, key).step();
        deleted = true;
        return true;
    });
    return deleted;
}

}  // namespace kv::store
