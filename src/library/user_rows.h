// What the user wrote (own marks, horse notes) cannot be made again from the kept records: a
// rebuild carries it over from the database it replaces.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zv::library {

class Database;

// Copies the own marks and horse notes of the library database old into fresh. A foreign file
// holds none; a damaged one adds a problem (UTF-8) and what could not be read is lost.
void carryUserRows(Database& fresh, const std::filesystem::path& old, std::vector<std::string>& problems);

}  // namespace zv::library
