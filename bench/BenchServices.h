#pragma once

#include "Dialogs.h"
#include "RandomSource.h"
#include "SoundDevice.h"
#include "frmTilewise.h"

#include <random>

// What the benchmarked window talks to: no sound, the same deal every game,
// and boxes answered at once, so runs are comparable and nothing waits.

class SilentSound final : public SoundDevice {
public:
    void SetDeviceType(const QString& /*deviceType*/) override {}
    void SetFileName(const QString& /*fileName*/) override {}
    void SetCommand(const QString& /*command*/) override {}
};

// Reseeded with one fixed seed at every deal.
class FixedSeedRandom final : public RandomSource {
public:
    void Seed() override { engine_.seed(kSeed); }
    double Next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    static constexpr unsigned kSeed = 20240;
    std::mt19937 engine_{kSeed};
};

class InstantDialogs final : public Dialogs {
public:
    void MsgBox(QWidget* /*parent*/, const QString& /*text*/, const QString& /*title*/) override {}
    QString InputBox(QWidget* /*parent*/, const QString& /*prompt*/, const QString& /*title*/,
                     const QString& /*defaultText*/) override {
        return QStringLiteral("Bench");
    }
    std::optional<QFont> ChooseFont(QWidget* /*parent*/, const QFont& /*initial*/) override {
        return std::nullopt;
    }
};

inline frmTilewise::Services BenchServices() {
    frmTilewise::Services services;
    services.dialogs = std::make_unique<InstantDialogs>();
    services.random = std::make_unique<FixedSeedRandom>();
    services.sound = std::make_unique<SilentSound>();
    return services;
}
