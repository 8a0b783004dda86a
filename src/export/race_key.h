// The race key of the export files: racecourse code, race date and race number, each as the race
// header line holds it.
#pragma once

#include <string>

#include "data/typed_records.h"

namespace zv {

struct RaceKey {
    std::string racecourse;  // two bytes
    std::string date;        // eight bytes, YYYYMMDD
    std::string number;      // two bytes
};

RaceKey raceKeyOf(const RaceHeaderRecord& header);

}  // namespace zv
