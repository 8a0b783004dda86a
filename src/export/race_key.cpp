#include "race_key.h"

#include "data/record_codec.h"

namespace zv {

RaceKey raceKeyOf(const RaceHeaderRecord& header) {
    return {storedBytes(header, header.racecourse).bytes(), storedBytes(header, header.raceDate).bytes(),
            storedBytes(header, header.raceNumber).bytes()};
}

}  // namespace zv
