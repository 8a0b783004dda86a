#include "horse_notes.h"

namespace zv::library {

HorseNotes::HorseNotes(const Library& library)
    : db_(library.database()), get_(db_.prepare("SELECT note FROM horse_notes WHERE name = ?1")) {}

std::optional<std::string> HorseNotes::get(std::string_view name) const {
    get_.bind(1, name);
    std::optional<std::string> text;
    if (get_.step()) text = get_.text(0);
    get_.reset();
    return text;
}

void HorseNotes::set(std::string_view name, std::string_view text) {
    Transaction transaction(db_);
    if (text.empty()) {
        db_.prepare("DELETE FROM horse_notes WHERE name = ?1").bind(1, name).run();
    } else {
        db_.prepare("INSERT INTO horse_notes(name, note) VALUES(?1, ?2) ON CONFLICT(name) DO UPDATE SET note = ?2")
            .bind(1, name)
            .bind(2, text)
            .run();
    }
    transaction.commit();
}

std::vector<HorseNote> HorseNotes::all() const {
    Statement list = db_.prepare("SELECT name, note FROM horse_notes ORDER BY name");
    std::vector<HorseNote> notes;
    while (list.step()) notes.push_back({list.text(0), list.text(1)});
    return notes;
}

}  // namespace zv::library
