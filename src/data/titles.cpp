#include "titles.h"

#include "records.h"

namespace zv {

void BuildRaceTitles(RaceDataStore& store, std::string_view line, int index) {
    store.raceNumberText[index] = std::string(field(line, den1::race_number));
    store.distanceText[index] = std::string(field(line, den1::distance));
    store.jpnFlag[index] = std::string(field(line, den1::jpn_grade_flag));
    store.menuTitle[index] = store.raceNumberText[index] + "R";
}

}  // namespace zv
