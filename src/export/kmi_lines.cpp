#include "kmi_lines.h"

#include "data/field.h"
#include "data/records.h"
#include "predict/bet_lines.h"

namespace zv {
namespace {

constexpr std::array<char, kBetTypes> kBetTypeCodes{'0', '1', '3', '5', '6', '7'};

}  // namespace

void appendKmiLines(std::vector<std::string>& lines, std::string_view raceHeaderLine,
                    const std::array<std::string, kBetKeys>& betKeys) {
    std::string prefix = std::string(field(raceHeaderLine, header_line::racecourse_code)) +
                         std::string(field(raceHeaderLine, header_line::race_date)) +
                         std::string(field(raceHeaderLine, header_line::race_number));
    for (int type = 0; type < kBetTypes; ++type) {
        BetKeyRange range = betKeyRange(static_cast<BetType>(type));
        for (int at = range.first; at < range.first + range.count; ++at) {
            if (betKeys[at] != kNoBetLine) lines.push_back(prefix + kBetTypeCodes[type] + betKeys[at]);
        }
    }
}

}  // namespace zv
