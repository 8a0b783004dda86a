// The race data store: one meeting day's three record files as raw CP932 lines, each race's
// header read once at load time, and each race's runners and horses as typed records, decoded
// when the race is first read. Races are 0-based indexes into the header file; runner n of race r
// is line firstRunner(r) + n of the runner and horse arrays.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "race_header.h"
#include "record_lines.h"
#include "typed_records.h"

namespace zv {

inline constexpr int kMaxRaces = 39;
inline constexpr int kMaxRunnerLines = 1000;
inline constexpr int kMaxHorseLines = 1000;
inline constexpr int kMaxRunnersPerRace = 50;

// A full day's horse file is about 4 MB; a record file far beyond that is not a data set and is
// neither read into memory nor converted.
inline constexpr uintmax_t kMaxRecordFileBytes = 64u << 20;

inline constexpr const char* kHeaderFile = "bvo_den1.bv2";
inline constexpr const char* kRunnerFile = "bvo_den2.bv2";
inline constexpr const char* kHorseFile = "bvo_uma.bv2";

// A race's runners and their horses as typed records, in the race's order.
struct RaceRecords {
    std::vector<RunnerEntry> runners;
    std::vector<HorseRecord> horses;
};

// Each race's records, decoded from the store's lines when the race is first read and kept while
// the store lives. Any thread may read it: a race is decoded once, by the first reader. A copy
// starts empty, as a copied store may have its lines changed before it is read.
class RaceRecordCache {
public:
    RaceRecordCache() = default;
    RaceRecordCache(const RaceRecordCache&) {}
    RaceRecordCache& operator=(const RaceRecordCache&) {
        slots_ = std::make_unique<Slot[]>(kMaxRaces);
        return *this;
    }
    ~RaceRecordCache() = default;

    bool operator==(const RaceRecordCache&) const { return true; }  // what the lines hold decides

    // The records of race (0 .. kMaxRaces - 1), made by decode on the first call.
    template <class Decode>
    const RaceRecords& get(int race, Decode decode) const {
        Slot& slot = slots_[static_cast<size_t>(race)];
        std::call_once(slot.once, [&] { slot.records = std::make_unique<const RaceRecords>(decode()); });
        return *slot.records;
    }

private:
    struct Slot {
        std::once_flag once;
        std::unique_ptr<const RaceRecords> records;
    };
    std::unique_ptr<Slot[]> slots_ = std::make_unique<Slot[]>(kMaxRaces);
};

struct RaceDataStore {
    RecordLines headerLines;  // race header lines, index = race
    RecordLines runnerLines;  // runner lines, index = global runner index
    RecordLines horseLines;   // horse lines, parallel to runnerLines
    int raceCount = 0;
    std::vector<RaceHeader> headers;  // per race, read from its header line at load time
    RaceRecordCache recordCache;      // per race, read from its runner and horse lines on first use

    bool operator==(const RaceDataStore&) const = default;

    int runnerCount(int r) const { return headers.at(static_cast<size_t>(r)).runnerCount; }
    // Global index of race r's first runner.
    int firstRunner(int r) const { return headers.at(static_cast<size_t>(r)).firstRunner; }
    // The runners and horses of race r (0 .. raceCount - 1): as many of its runnerCount(r) as the
    // lines hold. The lines must not change once a race was read.
    const RaceRecords& records(int r) const;
};

// The headers of a day's header lines as loading reads them: each line's texts, its runner count
// read strictly and within 0..kMaxRunnersPerRace, and its first runner. Throws zv::Error naming
// the line of the header file otherwise.
std::vector<RaceHeader> readRaceHeaders(const RecordLines& headerLines);

enum class FileAccess {
    // The files are read into memory of the store's own: later changes to them cannot touch it.
    Read,
    // The store keeps the files mapped: no copy and no fresh memory, the cheaper choice for a
    // process that ends soon after loading. While it lives, the files must only be replaced (as
    // this program's writers do), never rewritten in place: a file shortened under the mapping
    // ends the process.
    Map,
};

// Reads the three record files of folder into a fresh store and, only when all of them were read
// whole and fit together, replaces store with it. Returns false, store untouched, when a file is
// missing. Throws zv::Error (store untouched) when a file cannot be read, a capacity is exceeded,
// a runner count is not a number, the header file holds no race, or the runner and horse files
// do not hold exactly the sum of the runner counts. A record file must be a regular file. Empty
// lines at the very end of a file are not records.
bool loadDataSet(RaceDataStore& store, const std::filesystem::path& folder, FileAccess access = FileAccess::Read);

// A data set of record lines already in memory, checked as loadDataSet checks what it reads: the
// capacities, at least one race, every runner count, and the runner and horse lines holding exactly
// their sum. headerOrigin (CP932) names where the header lines came from in a message. Throws
// zv::Error.
RaceDataStore assembleDataSet(RecordLines headerLines, RecordLines runnerLines, RecordLines horseLines,
                              const std::string& headerOrigin);

}  // namespace zv
