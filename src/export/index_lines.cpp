#include "index_lines.h"

#include "data/records.h"
#include "predict/ratings.h"

namespace zv {

void appendIndexLines(const RaceDataStore& store, const RaceRatings& ratings, std::vector<std::string>& lines) {
    std::string_view header = store.headerLines.at(ratings.race);
    std::string prefix = std::string(field(header, header_line::racecourse_code)) + "," +
                         std::string(field(header, header_line::race_date)) + "," +
                         std::string(field(header, header_line::race_number)) + ",";
    for (size_t n = 0; n < ratings.pastColumns.size(); ++n) {
        const PastColumn& runner = ratings.pastColumns[n];
        lines.push_back(prefix + std::to_string(n + 1) + "," + runner.name + "," + indexText(runner.combined));
    }
}

}  // namespace zv
