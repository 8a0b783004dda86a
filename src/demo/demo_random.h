// The demo day's random source: a Mersenne Twister with its own small helpers, so the same seed
// gives the same day with every standard library (the std distributions are not portable).
#pragma once

#include <cstdint>
#include <random>
#include <span>

namespace zv::demo {

class Random {
public:
    explicit Random(uint32_t seed) : engine_(seed) {}

    // A whole number from lo to hi, both included.
    int between(int lo, int hi) { return lo + static_cast<int>(engine_() % static_cast<uint32_t>(hi - lo + 1)); }
    // True in percent cases out of a hundred.
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <class T>
    const T& pick(std::span<const T> items) {
        return items[static_cast<size_t>(between(0, static_cast<int>(items.size()) - 1))];
    }
    // An index chosen with the given weights.
    size_t weighted(std::span<const int> weights) {
        int total = 0;
        for (int w : weights) total += w;
        int x = between(1, total);
        for (size_t i = 0; i < weights.size(); ++i) {
            if ((x -= weights[i]) <= 0) return i;
        }
        return weights.size() - 1;
    }

private:
    std::mt19937 engine_;
};

}  // namespace zv::demo
