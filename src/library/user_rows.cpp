#include "user_rows.h"

#include "data/error.h"
#include "sqlite_db.h"

namespace zv::library {
namespace {

constexpr int64_t kFirstVersionWithUserRows = 2;

int64_t oldPragma(Database& db, const char* pragma) {
    Statement statement = db.prepare(std::string("PRAGMA old.") + pragma);
    return statement.step() ? statement.integer(0) : 0;
}

}  // namespace

void carryUserRows(Database& fresh, const std::filesystem::path& old, std::vector<std::string>& problems) {
    std::error_code ec;
    if (!std::filesystem::exists(old, ec)) return;
    bool attached = false;
    try {
        fresh.prepare("ATTACH DATABASE ?1 AS old").bind(1, old.string()).run();
        attached = true;
        const int64_t ownId = [&] {
            Statement id = fresh.prepare("PRAGMA main.application_id");
            return id.step() ? id.integer(0) : 0;
        }();
        if (oldPragma(fresh, "application_id") == ownId &&
            oldPragma(fresh, "user_version") >= kFirstVersionWithUserRows) {
            Transaction transaction(fresh);
            fresh.exec("INSERT OR IGNORE INTO main.own_marks SELECT * FROM old.own_marks");
            fresh.exec("INSERT OR IGNORE INTO main.horse_notes SELECT * FROM old.horse_notes");
            transaction.commit();
        }
    } catch (const Error& e) {
        problems.push_back("自印とメモを元のデータベースから読めませんでした: " + e.message());
    }
    if (attached) fresh.exec("DETACH DATABASE old");
}

}  // namespace zv::library
