#include "host/store/SqliteSettingsStore.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <thread>

#include "host/store/SqliteStatement.h"

namespace kv::store {
namespace {

// Keys form a tree per root: the root's own node has parent 0 and an empty name. Names compare
// without regard to ASCII case and keep the case first written.
constexpr const char* kSchema = R"(
CREATE TABLE IF NOT EXISTS keys(
    id INTEGER PRIMARY KEY,
    root INTEGER NOT NULL,
    parent INTEGER NOT NULL,
    name TEXT NOT NULL COLLATE NOCASE,
    UNIQUE(root, parent, name));
CREATE TABLE IF NOT EXISTS entries(
    key_id INTEGER NOT NULL,
    name TEXT NOT NULL COLLATE NOCASE,
    value TEXT NOT NULL,
    PRIMARY KEY(key_id, name)) WITHOUT ROWID;
)";

// The id of the key, 0 when it (or a level above it) does not exist; with `create`, missing
// levels are made.
int64_t find_key(sqlite3* db, uint32_t root, const std::string& key_path, bool create) {
    SqliteStatement insert(db,
                           "INSERT INTO keys(root, parent, name) VALUES(?1, ?2, ?3) "
                           "ON CONFLICT DO NOTHING");
    SqliteStatement select(db, "SELECT id FROM keys WHERE root = ?1 AND parent = ?2 AND name = ?3");
    int64_t id = 0;
    std::vector<std::string> parts = split_key_path(key_path);
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

void SqliteSettingsStore::report(const std::string& what) {
    if (reported_) return;
    reported_ = true;
    tell("The settings file \"" + path_ + "\" cannot be used: " + what +
         ". Settings are neither read nor saved until the file is repaired or removed.");
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

bool SqliteSettingsStore::open() {
    if (db_) return true;
    // An empty name would make SQLite use a private temporary database that is lost at exit.
    if (path_.empty()) throw SqliteFailure(SQLITE_CANTOPEN, "no file name was given");
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::path(path_).parent_path();
    if (!dir.empty()) std::filesystem::create_directories(dir, ec);

    sqlite3* db = nullptr;
    const int code =
        sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    try {
        sqlite_check(db, code);
        sqlite3_busy_timeout(db, wait_left_ms());
        sqlite3_extended_result_codes(db, 1);
        // The log keeps readers and the writer apart; FULL syncs the log at every commit, so a
        // write that returned is on disk whatever happens to the process afterwards.
        sqlite_exec(db, "PRAGMA journal_mode=WAL");
        sqlite_exec(db, "PRAGMA synchronous=FULL");
        sqlite_exec(db, "BEGIN IMMEDIATE");
        try {
            sqlite_exec(db, kSchema);
            sqlite_exec(db, "COMMIT");
        } catch (const SqliteFailure&) {
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
    } catch (const SqliteFailure&) {
        sqlite3_close_v2(db);
        throw;
    }
    db_ = db;
    return true;
}

int SqliteSettingsStore::wait_left_ms() const {
    return static_cast<int>(std::max<int64_t>(0, (wait_ - waited_).count()));
}

bool SqliteSettingsStore::transact(bool for_write, const std::function<bool(sqlite3*)>& work) {
    using Clock = std::chrono::steady_clock;
    std::lock_guard lock(mutex_);
    failed_ = false;
    for (;;) {
        const auto started = Clock::now();
        bool in_transaction = false;
        try {
            open();
            sqlite3_busy_timeout(db_, wait_left_ms());
            sqlite_exec(db_, for_write ? "BEGIN IMMEDIATE" : "BEGIN");
            in_transaction = true;
            const bool done = work(db_);
            sqlite_exec(db_, done ? "COMMIT" : "ROLLBACK");
            waited_ = std::chrono::milliseconds(0);
            return done;
        } catch (const SqliteFailure& failure) {
            if (in_transaction) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            if (failure.busy() && wait_left_ms() > 0) {
                // Some waits are not covered by the busy handler (a reader that meets a log being
                // reset): pause briefly and count the time against the budget.
                std::this_thread::sleep_for(
                    std::chrono::milliseconds(std::min(50, wait_left_ms())));
                waited_ +=
                    std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
                continue;
            }
            waited_ +=
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
            failed_ = true;
            if (failure.busy())
                report_busy();
            else
                report(failure.what());
            return false;
        }
    }
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
        result.emplace();
        while (select.step()) result->push_back(select.text(0));
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
        result.emplace();
        while (select.step()) result->push_back({select.text(0), select.text(1)});
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
