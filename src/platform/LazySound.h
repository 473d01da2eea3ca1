#pragma once

#include "SoundDevice.h"

#include <QStringList>
#include <memory>

// The game's sound device. Until start() it only remembers the cue asked
// for; then, when a sound server can be reached, it loads the sound module
// (Qt's multimedia stack and its two dozen libraries) and hands it over.
// Qt 6.4 plays sound through a PulseAudio server only (PipeWire provides
// one); with none, the game plays silently and says so once.
class LazySound final : public SoundDevice {
public:
    LazySound(QString folder, QStringList cues, QString moduleFolder);
    ~LazySound() override;

    void setFileName(const QString& fileName) override;
    void setCommand(const QString& command) override;
    void start() override;

private:
    QString folder_;
    QStringList cues_;
    QString moduleFolder_;
    bool started_ = false;
    std::unique_ptr<SoundDevice> device_;
    QString fileName_;
    QString opened_;
    bool playing_ = false; // "Play" was given for the opened cue
};
