#pragma once

#include "RandomSource.h"

#include <random>

// A deal the test can repeat: a seeded engine that runs on across deals
// (seed() does nothing), counting its draws.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(unsigned seed) : engine_(seed) {}

    void seed() override {}
    double next() override {
        ++draws;
        return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
    }

    int draws = 0;

private:
    std::mt19937 engine_;
};
