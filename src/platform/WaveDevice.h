#pragma once

#include "SoundDevice.h"

#include <QDir>
#include <QHash>
#include <QObject>
#include <QStringList>

class QSoundEffect;

// The sound device over QSoundEffect, playing wave files from the game's
// data folder. Nothing of Qt's audio is touched before Start(): then the
// output is opened and every cue decoded once and kept, so a cue starts at
// once and a cue asked for earlier (the greeting) plays. "Close" stops what
// is sounding, so a new cue cuts short the one before. Files that are not
// short PCM waves stay silent, with one log line each; so does every cue on
// a machine with no sound output, with one line for all.
class WaveDevice final : public QObject, public SoundDevice {
    Q_OBJECT
public:
    // `cues` are decoded at Start(), ahead of their first use.
    WaveDevice(const QString& folder, QStringList cues, QObject* parent = nullptr);

    void SetFileName(const QString& fileName) override;
    void SetCommand(const QString& command) override;
    void Start() override;

    // The cues decoded so far and kept; a refused file counts as none.
    int Effects() const;

private:
    QSoundEffect* EffectFor(const QString& fileName);

    QDir folder_;
    QStringList cues_;
    bool started_ = false;
    bool silent_ = false; // no sound output on this machine
    QString fileName_;
    QString opened_; // the file of the last "Open"
    bool playWhenStarted_ = false;
    QSoundEffect* current_ = nullptr;
    QHash<QString, QSoundEffect*> effects_; // children; nullptr for refused files
};
