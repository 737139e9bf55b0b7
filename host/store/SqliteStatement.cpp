#include "host/store/SqliteStatement.h"

#include <sqlite3.h>

namespace kv::store {

bool SqliteFailure::busy() const {
    const int primary = code_ & 0xFF;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

bool SqliteFailure::damaged() const {
    const int primary = code_ & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

void sqlite_check(sqlite3* db, int code) {
    if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE) return;
    std::string message = sqlite3_errstr(code);
    if (db) {
        const char* detail = sqlite3_errmsg(db);
        if (detail && message != detail) message += " (" + std::string(detail) + ")";
    }
    throw SqliteFailure(code, message);
}

void sqlite_exec(sqlite3* db, const char* sql) {
    sqlite_check(db, sqlite3_exec(db, sql, nullptr, nullptr, nullptr));
}

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql) : db_(db) {
    sqlite_check(db_, sqlite3_prepare_v2(db_, sql, -1, &stmt_, nullptr));
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(stmt_);
}

SqliteStatement& SqliteStatement::bind(int index, const std::string& text) {
    sqlite_check(db_, sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                                        SQLITE_TRANSIENT));
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, int64_t number) {
    sqlite_check(db_, sqlite3_bind_int64(stmt_, index, number));
    return *this;
}

bool SqliteStatement::step() {
    const int code = sqlite3_step(stmt_);
    sqlite_check(db_, code);
    return code == SQLITE_ROW;
}

std::string SqliteStatement::text(int column) {
    const auto* data = sqlite3_column_text(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return data ? std::string(reinterpret_cast<const char*>(data), static_cast<size_t>(size))
                : std::string();
}

int64_t SqliteStatement::integer(int column) {
    return sqlite3_column_int64(stmt_, column);
}

void SqliteStatement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

}  // namespace kv::store
