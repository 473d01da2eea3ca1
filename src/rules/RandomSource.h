#pragma once

#include <random>

// A uniform source of values in [0, 1). The deal reseeds it at the start of
// every game; tests put a scripted source in its place to fix a deal.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed() = 0;
    virtual double next() = 0;
};

// Seeded from the clock and the system's entropy, so two deals in the same
// clock tick still differ.
class ClockRandom final : public RandomSource {
public:
    void seed() override;
    double next() override;

private:
    std::mt19937 engine_;
};
