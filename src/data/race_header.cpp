#include "race_header.h"

#include <algorithm>

#include "code_tables.h"
#include "field.h"
#include "race_name.h"
#include "record_codec.h"
#include "sjis.h"

namespace zv {
namespace {

// Flat-race grades G1..G3 follow the race name (as Jpn(Gn) when the Jpn flag is set); no other
// race, the jump grades neither, has a grade after its name.
std::string gradeSuffix(const RaceHeaderRecord& r) {
    static const char* const kFlatGrades[] = {"G1", "G2", "G3"};
    for (Grade g : {Grade::G1, Grade::G2, Grade::G3}) {
        if (!r.grade.is(g)) continue;
        const std::string grade = kFlatGrades[static_cast<int>(g)];
        return (r.jpnGrade.is(Flag::Yes) ? "Jpn(" + grade + ")" : grade) + " ";
    }
    return {};
}

}  // namespace

RaceHeader raceHeaderTexts(std::string_view line) {
    static const std::string postTime = sj(" 発走"), head = sj("頭  ");

    RaceHeader h;
    h.record = decodeRaceHeader(Cp932View(line));
    const RaceHeaderRecord& r = h.record;
    auto stored = [&](const auto& value) { return storedBytes(r, value).bytes(); };
    const std::string date = stored(r.raceDate);
    auto datePart = [&](size_t from, size_t len) { return date.substr(std::min(from, date.size()), len); };

    h.surface = surfaceOf(r.jump, r.turf);
    h.raceDateText = datePart(0, 4) + "/" + datePart(4, 2) + "/" + datePart(6, 2) + weekdayName(stored(r.weekday));
    h.raceNumberText = stored(r.raceNumber);
    h.distanceText = stored(r.distance);
    h.courseText = surfaceName(h.surface);
    h.jpnFlag = stored(r.jpnGrade);
    h.titleLine1 = h.raceDateText + postTime + stored(r.postTime) + " " + stored(r.runnerCount) + head + h.courseText +
                   h.distanceText + "M";

    const std::string raceName(trimmed(stored(r.raceName)));
    const std::string suffix = gradeSuffix(r);
    const std::string front = racecourseName(stored(r.racecourse)) + h.raceNumberText + "R " +
                              raceTypeName(stored(r.raceType)) + " " + raceClassShort(stored(r.raceClass)) + " ";
    h.titleLine2 = front + weightRuleName(stored(r.weightRule)) + " " + shortenRaceName(raceName) + " " + suffix;
    h.menuTitle = front + raceName + " " + suffix;
    return h;
}

}  // namespace zv
