#include "host/store/SqliteStoreFile.h"

#include <sqlite3.h>

#include <filesystem>

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

sqlite3* open_with(const std::string& name, int flags, int wait_ms) {
    sqlite3* db = nullptr;
    const int code = sqlite3_open_v2(name.c_str(), &db, flags, nullptr);
    try {
        sqlite_check(db, code);
    } catch (const SqliteFailure&) {
        sqlite3_close_v2(db);
        throw;
    }
    sqlite3_busy_timeout(db, wait_ms);
    sqlite3_extended_result_codes(db, 1);
    return db;
}

// Another program's database is left as it is: neither our tables nor our log mode go in.
void refuse_foreign(sqlite3* db) {
    SqliteStatement tables(db,
                           "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                           "'sqlite%' AND name NOT IN ('keys', 'entries') LIMIT 1");
    if (tables.step())
        throw SqliteFailure(
            SQLITE_NOTADB,
            "it is a database of another program (it holds a table '" + tables.text(0) + "')");
    for (const char* probe : {"SELECT id, root, parent, name FROM keys LIMIT 0",
                              "SELECT key_id, name, value FROM entries LIMIT 0"}) {
        if (sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(db, probe, -1, &st, nullptr) != SQLITE_OK) {
            sqlite3_finalize(st);
            const std::string why = sqlite3_errmsg(db);
            if (why.rfind("no such table", 0) == 0) continue;
            throw SqliteFailure(SQLITE_NOTADB, "it is a database of another program (" + why + ")");
        } else {
            sqlite3_finalize(st);
        }
    }
}

sqlite3* open_for_writing(const std::string& path, int wait_ms) {
    sqlite3* db = open_with(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, wait_ms);
    try {
        // SQLite opens a file it may not write for reading only: that is the other way in.
        if (sqlite3_db_readonly(db, "main") == 1)
            throw SqliteFailure(SQLITE_READONLY, "attempt to write a readonly database");
        refuse_foreign(db);
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
    return db;
}

// The file as it stands, never written and never locked: on a read-only mount nobody writes it,
// and on a full disk this is the one way to read a log-mode file whose log cannot be made.
sqlite3* open_for_reading(const std::string& path, int wait_ms) {
    const std::string uri =
        "file:" + std::filesystem::absolute(path).string() + "?mode=ro&immutable=1";
    sqlite3* db = open_with(uri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, wait_ms);
    try {
        // A file that is no store (or none at all) is no better for reading.
        SqliteStatement probe(db, "SELECT 1 FROM keys JOIN entries LIMIT 1");
        probe.step();
    } catch (const SqliteFailure&) {
        sqlite3_close_v2(db);
        throw;
    }
    return db;
}

}  // namespace

SqliteStoreFile::Opened SqliteStoreFile::open(const std::string& path, int wait_ms) {
    // An empty name would make SQLite use a private temporary database that is lost at exit.
    if (path.empty()) throw SqliteFailure(SQLITE_CANTOPEN, "no file name was given");
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::path(path).parent_path();
    if (!dir.empty()) std::filesystem::create_directories(dir, ec);
    try {
        return {open_for_writing(path, wait_ms), ""};
    } catch (const SqliteFailure& failure) {
        // Busy is waited for by the caller; a damaged file is reported as one.
        if (failure.busy() || failure.damaged()) throw;
        if (!std::filesystem::is_regular_file(path, ec)) throw;
        try {
            return {open_for_reading(path, wait_ms), failure.what()};
        } catch (const SqliteFailure&) {
            throw failure;
        }
    }
}

}  // namespace kv::store
