// The record codec on one arbitrary line: written back onto itself the line comes out unchanged,
// its values read the same again, and writing them onto a fresh line fails only the proper way.
#include <string_view>

#include "data/error.h"
#include "data/record_codec.h"
#include "fuzz_entries.h"

namespace zv::fuzz {
namespace {

template <class Record>
void roundTrip(Cp932View line, Record (*decode)(Cp932View), Cp932 (*encodeOnto)(const Record&, Cp932View),
               Cp932 (*encodeFresh)(const Record&)) {
    const Record record = decode(line);
    const Cp932 again = encodeOnto(record, line);
    if (again.view() != line) throw InvariantBroken("a line written back onto itself changed");
    if (!(decode(again.view()) == record)) throw InvariantBroken("a line written back reads differently");
    try {
        const Cp932 fresh = encodeFresh(record);
        const Record freshRecord = decode(fresh.view());
        if (!(decode(encodeFresh(freshRecord).view()) == freshRecord)) {
            throw InvariantBroken("well-formed values do not survive a fresh line");
        }
    } catch (const Error&) {
        // A kept value that no well-formed field can hold.
    }
}

}  // namespace

void roundTripRecords(Input input) {
    if (input.empty()) return;
    const Cp932View line(std::string_view(reinterpret_cast<const char*>(input.data()) + 1, input.size() - 1));
    switch (input[0] % 3) {
        case 0: roundTrip<RaceHeaderRecord>(line, decodeRaceHeader, encodeRaceHeader, encodeRaceHeader); break;
        case 1: roundTrip<RunnerEntry>(line, decodeRunnerEntry, encodeRunnerEntry, encodeRunnerEntry); break;
        default: roundTrip<HorseRecord>(line, decodeHorseRecord, encodeHorseRecord, encodeHorseRecord); break;
    }
}

}  // namespace zv::fuzz
