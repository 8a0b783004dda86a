// Entry points that feed one arbitrary input to a parser of outside input. The libFuzzer targets
// call them, and the regression test replays the seed corpus and every saved crash input through
// them. An input the code rejects the proper way (zv::Error, a failed intake) is fine; a crash, a
// sanitizer report or another exception is a finding. A broken promise of the code under test
// (a rejected data set that still changed something) throws InvariantBroken.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace zv::fuzz {

using Input = std::span<const uint8_t>;

struct InvariantBroken : std::logic_error {
    using std::logic_error::logic_error;
};

// The three record files (race headers, runners, horses), separated by NUL bytes, written to a
// folder and loaded; a data set that loads is then shown race by race.
void loadRecordFiles(Input input);
// The same through the memory-mapped reading that the command-line program uses.
void mapRecordFiles(Input input);

// One race made of lines: the race header line, then runner and horse lines in turns. The header's
// runner count is set to the number of pairs, so the store is a consistent one, and the race is
// shown with every sort, horse detail and export line.
void showRaceFromLines(Input input);

// A record line (first byte: 0 a race header, 1 a runner, 2 a horse) decoded into typed values and
// encoded back.
void roundTripRecords(Input input);

// An archive file taken in through the whole intake into a data folder that holds only what the
// install may not replace (kInstallObstacles).
void takeInArchive(Input input);
// The names of a folder and of a read-only file in that data folder: an archive with a member of
// either name fails its install.
inline constexpr const char* kInstallObstacles[] = {"folder.txt", "readonly.txt"};

// The service's settings file parsed, read and turned into both catalogues.
void readServiceSettings(Input input);

// A stored password deciphered; a plain text enciphered and deciphered back.
void decipherStoredPassword(Input input);

}  // namespace zv::fuzz
