#pragma once
// A prepared SQLite statement that finalizes itself; any failure throws SqliteFailure.
#include <cstdint>
#include <stdexcept>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace kv::store {

// A failed SQLite call: its result code and the library's message.
class SqliteFailure : public std::runtime_error {
  public:
    SqliteFailure(int code, const std::string& message)
        : std::runtime_error(message), code_(code) {}
    int code() const { return code_; }
    // The database is held by another connection: worth waiting and trying again.
    bool busy() const;
    // The file is no store or a damaged one: only repairing or removing it helps.
    bool damaged() const;

  private:
    int code_;
};

class SqliteStatement {
  public:
    SqliteStatement(sqlite3* db, const char* sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& bind(int index, const std::string& text);
    SqliteStatement& bind(int index, int64_t number);
    // True when a row is ready, false when done.
    bool step();
    std::string text(int column);
    int64_t integer(int column);
    void reset();

  private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Runs SQL without results (several statements allowed).
void sqlite_exec(sqlite3* db, const char* sql);
// Throws SqliteFailure for a result code that is an error.
void sqlite_check(sqlite3* db, int code);

}  // namespace kv::store
