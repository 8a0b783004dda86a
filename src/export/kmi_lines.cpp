#include "kmi_lines.h"

#include "predict/bet_lines.h"
#include "race_key.h"

namespace zv {
namespace {

constexpr std::array<char, kBetTypes> kBetTypeCodes{'0', '1', '3', '5', '6', '7'};

}  // namespace

void appendKmiLines(std::vector<std::string>& lines, const RaceHeaderRecord& header,
                    const std::array<std::string, kBetKeys>& betKeys) {
    const RaceKey key = raceKeyOf(header);
    const std::string prefix = key.racecourse + key.date + key.number;
    for (int type = 0; type < kBetTypes; ++type) {
        BetKeyRange range = betKeyRange(static_cast<BetType>(type));
        for (int at = range.first; at < range.first + range.count; ++at) {
            if (betKeys[at] != kNoBetLine) lines.push_back(prefix + kBetTypeCodes[type] + betKeys[at]);
        }
    }
}

}  // namespace zv
