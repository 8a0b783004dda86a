#include "sqlite_db.h"

#include <sqlite3.h>

#include "data/error.h"
#include "unusable_library.h"

namespace zv::library {
namespace {

constexpr int kBusyWaitMs = 10000;
// Pages are read through a mapping rather than copied by a system call each: counting a 1,000-day
// library reads every row of its largest tables.
constexpr const char* kReadPragmas = "PRAGMA mmap_size=2147483648; PRAGMA cache_size=-65536";

[[noreturn]] void fail(sqlite3* db, int code) {
    const std::string text = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    const int primary = code & 0xff;
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT) throw UnusableLibrary("壊れています (" + text + ")");
    throw Error(ErrorKind::Io, "ライブラリのデータベースを扱えません: " + text);
}

void check(sqlite3* db, int code) {
    if (code != SQLITE_OK) fail(db, code);
}

}  // namespace

Database::Database(const std::filesystem::path& path, Mode mode) {
    const int flags = mode == Mode::ReadWrite ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
    const int code = sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        const std::string text = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
        sqlite3_close(db_);
        db_ = nullptr;
        throw Error(ErrorKind::Io, "ライブラリのデータベースを開けません: " + pathText(path) + " (" + text + ")");
    }
    sqlite3_busy_timeout(db_, kBusyWaitMs);
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_exec(db_, kReadPragmas, nullptr, nullptr, nullptr);
}

Database::~Database() { sqlite3_close_v2(db_); }

void Database::exec(std::string_view sql) {
    const std::string text(sql);
    check(db_, sqlite3_exec(db_, text.c_str(), nullptr, nullptr, nullptr));
}

Statement Database::prepare(std::string_view sql) { return Statement(db_, sql); }

int64_t Database::lastRowId() const { return sqlite3_last_insert_rowid(db_); }

int Database::changes() const { return sqlite3_changes(db_); }

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
    check(db_, sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt_,
                                  nullptr));
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::bind(int at, int64_t value) {
    check(db_, sqlite3_bind_int64(stmt_, at, value));
    return *this;
}

Statement& Statement::bind(int at, std::string_view text) {
    check(db_, sqlite3_bind_text(stmt_, at, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
    return *this;
}

Statement& Statement::bindNull(int at) {
    check(db_, sqlite3_bind_null(stmt_, at));
    return *this;
}

bool Statement::step() {
    const int code = sqlite3_step(stmt_);
    if (code == SQLITE_ROW) return true;
    if (code == SQLITE_DONE) return false;
    sqlite3_reset(stmt_);
    fail(db_, code);
}

void Statement::run() {
    while (step()) {
    }
    reset();
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int64_t Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string Statement::text(int column) const {
    const auto* bytes = sqlite3_column_text(stmt_, column);
    if (!bytes) return {};
    return std::string(reinterpret_cast<const char*>(bytes), static_cast<size_t>(sqlite3_column_bytes(stmt_, column)));
}

bool Statement::isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

std::optional<int64_t> Statement::optionalInteger(int column) const {
    if (isNull(column)) return std::nullopt;
    return integer(column);
}

Transaction::Transaction(Database& db) : db_(db) { db_.exec("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
    if (open_) sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
    db_.exec("COMMIT");
    open_ = false;
}

}  // namespace zv::library
