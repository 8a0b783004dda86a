// The user's notes on horses, kept in the library's database by the horse's name (UTF-8, as the
// cards give it). Every change is one transaction.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library.h"
#include "sqlite_db.h"

namespace zv::library {

struct HorseNote {
    std::string name;
    std::string text;
};

class HorseNotes {
public:
    explicit HorseNotes(const Library& library);

    // The note on the horse named name, or nothing.
    std::optional<std::string> get(std::string_view name) const;
    // Sets the note; an empty text removes it.
    void set(std::string_view name, std::string_view text);
    // Every note, by name.
    std::vector<HorseNote> all() const;

private:
    Database& db_;
    mutable Statement get_;
};

}  // namespace zv::library
