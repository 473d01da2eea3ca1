#pragma once

#include "SoundDevice.h"

#include <QDir>
#include <QHash>
#include <QObject>
#include <QStringList>

class QSoundEffect;

// The sound device over QSoundEffect, playing wave files from the game's
// data folder. start() decodes every cue once and keeps it, so a cue starts
// at once. "Close" stops what is sounding, so a new cue cuts short the one
// before. Files that are not short PCM waves stay silent, with one log line
// each; so does every cue when there is no sound output, with one line for
// all.
class WaveDevice final : public QObject, public SoundDevice {
    Q_OBJECT
public:
    WaveDevice(const QString& folder, QStringList cues, QObject* parent = nullptr);

    void setFileName(const QString& fileName) override;
    void setCommand(const QString& command) override;
    void start() override;

private:
    QSoundEffect* effectFor(const QString& fileName);

    QDir folder_;
    QStringList cues_;
    bool silent_ = false; // no sound output on this machine
    QString fileName_;
    QSoundEffect* current_ = nullptr;
    QHash<QString, QSoundEffect*> effects_; // children; nullptr for refused files
};
