// The library database's tables, and telling this program's library from any other file.
#pragma once

namespace zv::library {

class Database;

// Sets WAL and the writing pragmas; creates the tables in an empty database. Throws
// UnusableLibrary when the file is no SQLite database, another program's, damaged or of a later
// version.
void prepareSchema(Database& db);

}  // namespace zv::library
