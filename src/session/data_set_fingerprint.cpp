#include "data_set_fingerprint.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "data/store.h"

namespace zv {

std::string dataSetFingerprint(const RaceDataStore& store) {
    if (store.raceCount == 0) return {};
    constexpr uint64_t kOffsetBasis = 14695981039346656037ULL;
    constexpr uint64_t kPrime = 1099511628211ULL;
    uint64_t hash = kOffsetBasis;
    const auto add = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= kPrime;
    };
    for (const std::string_view line : store.headerLines) {
        for (const char c : line) add(static_cast<unsigned char>(c));
        // Lines end apart, so that moving a byte across a line end changes the hash.
        add('\n');
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

}  // namespace zv
