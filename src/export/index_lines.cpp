#include "index_lines.h"

#include "data/store.h"
#include "predict/ratings.h"
#include "race_key.h"

namespace zv {

void appendIndexLines(const RaceDataStore& store, const RaceRatings& ratings, std::vector<std::string>& lines) {
    const RaceKey key = raceKeyOf(store.headers.at(static_cast<size_t>(ratings.race)).record);
    const std::string prefix = key.racecourse + "," + key.date + "," + key.number + ",";
    for (size_t n = 0; n < ratings.pastColumns.size(); ++n) {
        const PastColumn& runner = ratings.pastColumns[n];
        lines.push_back(prefix + std::to_string(n + 1) + "," + runner.name + "," + indexText(runner.combined));
    }
}

}  // namespace zv
