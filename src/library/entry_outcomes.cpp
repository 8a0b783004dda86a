#include "entry_outcomes.h"

#include <string>

namespace zv::library {
namespace {

// The runner the record names is found by name among the same race's entries, the first by
// horse number, as over day folders.
constexpr const char* kSetOutcomes =
    "UPDATE entries SET finish = p.finish, popularity = p.popularity, opponent = coalesce(("
    "SELECT min(o.horse_number) FROM entries o WHERE o.race = entries.race AND "
    "o.horse = (SELECT id FROM horses WHERE name = p.opponent AND p.opponent <> '')), 0) "
    "FROM races r, past_races p WHERE r.id = entries.race AND p.horse = entries.horse AND p.date = r.date AND "
    "p.racecourse_code = r.racecourse_code AND p.horse_number = entries.horse_number";

}  // namespace

EntryOutcomes::EntryOutcomes(Database& db)
    : race_(db.prepare(std::string(kSetOutcomes) + " AND entries.race = ?1")),
      clearPastRace_(db.prepare("UPDATE entries SET finish = NULL, popularity = 0, opponent = 0 WHERE horse = ?1 AND "
                                "race IN (SELECT id FROM races WHERE date = ?2 AND racecourse_code = ?3)")),
      pastRace_(
          db.prepare(std::string(kSetOutcomes) + " AND p.horse = ?1 AND p.date = ?2 AND p.racecourse_code = ?3")) {}

void EntryOutcomes::ofRace(int64_t raceId) { race_.bind(1, raceId).run(); }

// Cleared first: the earlier record may give another horse number, and then no outcome.
void EntryOutcomes::ofPastRace(int64_t horse, int date, int racecourseCode) {
    clearPastRace_.bind(1, horse).bind(2, date).bind(3, racecourseCode).run();
    pastRace_.bind(1, horse).bind(2, date).bind(3, racecourseCode).run();
}

void setEveryEntryOutcome(Database& db) { db.exec(kSetOutcomes); }

}  // namespace zv::library
