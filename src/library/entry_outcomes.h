// A runner's outcome kept on its entry row: finish, popularity and the horse number of the horse
// its record names (the winner, or the second after a win), as the earliest later kept day's
// record of the horse gives them, so that counting reads the entries alone. Set when a race is
// written (a later day may be kept already) and again when a day's past race becomes the earliest
// record of a kept race.
#pragma once

#include <cstdint>

#include "sqlite_db.h"

namespace zv::library {

class EntryOutcomes {
public:
    explicit EntryOutcomes(Database& db);
    // The entries of a race just written.
    void ofRace(int64_t raceId);
    // The entry a past race row (horse, date, racecourse code) just written is the record of.
    void ofPastRace(int64_t horse, int date, int racecourseCode);

private:
    Statement race_;
    Statement clearPastRace_;
    Statement pastRace_;
};

// Every entry's outcome from the past races kept: for a library made before entries held them.
void setEveryEntryOutcome(Database& db);

}  // namespace zv::library
