// A race header line read once, when the day is loaded: the texts every view shows of the race,
// its runner count and where its runners start in the runner and horse files.
#pragma once

#include <string>
#include <string_view>

#include "typed_records.h"

namespace zv {

struct RaceHeader {
    RaceHeaderRecord record;  // the line's typed values
    Surface surface = Surface::Dirt;
    // Texts copied or composed from the line (CP932). Number fields are copied as text, so bad
    // digits never stop them; they are read as numbers only where a number is needed.
    std::string raceDateText;    // 2010/05/02(日)
    std::string raceNumberText;  // race_number as stored ("01".."12")
    std::string distanceText;    // metres as stored
    std::string courseText;      // surface: 芝, ダ or 障
    std::string jpnFlag;         // jpn_grade_flag as stored; "1" names a grade Jpn(Gn)
    std::string titleLine1;      // 2010/03/21(日) 発走15:45 16頭  芝1800M
    std::string titleLine2;  // 中山11R サラ3歳以上 オープン ハンデ スプリングＳ G2 (shortened name)
    std::string menuTitle;   // 中山11R サラ3歳以上 オープン スプリングステークス G2 (full name)
    // Read strictly by the loader (readRaceHeaders in store.h).
    int runnerCount = 0;
    int firstRunner = 0;  // index of the race's first runner line: the runner counts before it summed

    bool operator==(const RaceHeader&) const = default;
};

// The record and texts of a header line: a pure function of the line that never fails.
// runnerCount and firstRunner stay 0.
RaceHeader raceHeaderTexts(std::string_view line);

}  // namespace zv
