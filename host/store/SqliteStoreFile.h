#pragma once
// Opening the store's SQLite file: for reading and writing when the file and its folder allow
// it (write-ahead log, full syncs, the schema made), else for reading only (a read-only mount, a
// full disk, a file without write permission), so that settings saved earlier are still found.
#include <string>

struct sqlite3;

namespace kv::store {

class SqliteStoreFile {
  public:
    struct Opened {
        sqlite3* db = nullptr;
        // Why nothing can be written ("" when the file is open for writing).
        std::string read_only_because;
    };

    // SqliteFailure when the file cannot be used at all (none can be made, it is no store, it
    // is damaged, or it is busy longer than `wait_ms`).
    static Opened open(const std::string& path, int wait_ms);
};

}  // namespace kv::store
