#include "bet_hits.h"

#include <algorithm>
#include <vector>

namespace zv::report {
namespace {

constexpr int kSmallField = 7;  // 複勝 pays the first two when this many or fewer ran

std::vector<int> keyRunners(std::string_view key) {
    std::vector<int> numbers;
    for (size_t i = 0; i + 2 <= key.size(); i += 2) {
        int n = (key[i] - '0') * 10 + (key[i + 1] - '0');
        if (n != 0) numbers.push_back(n);
    }
    return numbers;
}

std::vector<int> sorted(std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

}  // namespace

int placesNeeded(BetType type, int ran) {
    switch (type) {
        case BetType::Win: return 1;
        case BetType::Place: return ran <= kSmallField ? 2 : 3;
        case BetType::Quinella:
        case BetType::Exacta: return 2;
        case BetType::Trio:
        case BetType::Trifecta: return 3;
    }
    return 3;
}

bool betLineHits(BetType type, std::string_view key, const std::array<int, 3>& firstThree, int ran) {
    const std::vector<int> line = keyRunners(key);
    const int needed = placesNeeded(type, ran);
    const std::vector<int> places(firstThree.begin(), firstThree.begin() + needed);
    if (line.empty()) return false;
    switch (type) {
        case BetType::Win: return line[0] == places[0];
        case BetType::Place: return std::find(places.begin(), places.end(), line[0]) != places.end();
        case BetType::Quinella:
        case BetType::Trio: return sorted(line) == sorted(places);
        case BetType::Exacta:
        case BetType::Trifecta: return line == places;
    }
    return false;
}

}  // namespace zv::report
