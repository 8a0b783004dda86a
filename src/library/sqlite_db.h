// A thin hold on the SQLite C library: a connection, prepared statements with typed binds and
// columns, and a transaction that rolls back unless committed. Every failure throws
// zv::Error (Io) with SQLite's own text, UnusableLibrary for a file that is no database or is
// damaged.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace zv::library {

class Statement;

class Database {
public:
    enum class Mode { ReadWrite, ReadOnly };
    // Opens path, creating it in ReadWrite mode, with WAL, foreign keys and a busy wait.
    Database(const std::filesystem::path& path, Mode mode);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(std::string_view sql);
    Statement prepare(std::string_view sql);
    int64_t lastRowId() const;
    // The rows the last statement inserted, changed or removed.
    int changes() const;
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(Statement&& other) noexcept : db_(other.db_), stmt_(other.stmt_) { other.stmt_ = nullptr; }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& operator=(Statement&&) = delete;

    // Binds by position, from 1.
    Statement& bind(int at, int64_t value);
    Statement& bind(int at, int value) { return bind(at, static_cast<int64_t>(value)); }
    Statement& bind(int at, std::string_view text);
    Statement& bindNull(int at);
    // Runs one step: true while a row is there.
    bool step();
    // Runs to the end and resets for the next binds.
    void run();
    void reset();

    int64_t integer(int column) const;
    std::string text(int column) const;
    bool isNull(int column) const;
    std::optional<int64_t> optionalInteger(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// BEGIN IMMEDIATE on creation: the writer's lock is taken at once, so two writers wait in turn
// instead of failing half-way. Rolls back when destroyed without commit().
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool open_ = true;
};

}  // namespace zv::library
