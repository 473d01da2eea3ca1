#pragma once

#include "RandomSource.h"

#include <QList>
#include <random>

// A deal the test can repeat: a fixed list of draws, repeated, or a seeded
// engine that runs on across deals (Seed() does nothing).
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(QList<double> values) : values_(std::move(values)) {}
    explicit ScriptedRandom(unsigned seed) : engine_(seed), seeded_(true) {}

    void Seed() override {}
    double Next() override {
        ++draws;
        if (seeded_) {
            return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
        }
        return values_.isEmpty() ? 0.0 : values_.at((draws - 1) % values_.size());
    }

    int draws = 0;

private:
    QList<double> values_;
    std::mt19937 engine_;
    bool seeded_ = false;
};
