#include "RandomSource.h"

#include <chrono>

void ClockRandom::seed() {
    std::random_device entropy;
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32), entropy(),
                      entropy()};
    engine_.seed(seq);
}

double ClockRandom::next() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}
