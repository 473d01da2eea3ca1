#pragma once

#include <random>

// A uniform source of values in [0, 1). The deal reseeds it at the start of
// every game; tests put a scripted source in its place to fix a deal.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Seed() = 0;
    virtual double Next() = 0;
};

// Seeded from the clock and the system's entropy, so two deals in the same
// clock tick still differ.
class ClockRandom final : public RandomSource {
public:
    void Seed() override;
    double Next() override;

private:
    std::mt19937 engine_;
};
