#pragma once

#include "SoundDevice.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

// The sound device over QSoundEffect. Each wave file is decoded once and kept,
// so a repeated cue starts at once; "Close" stops whatever is sounding, so a
// new cue cuts short the one before. Only PCM wave files (8 or 16 bits) are
// handed to Qt; a missing file, an empty name or anything else stays silent.
//
// Without a sound card or audio server Qt warns once per decoded cue; the
// first audio warning of the process is shown and the repeats are dropped,
// so a machine without sound gets one line, not one per cue.
class WaveDevice final : public QObject, public SoundDevice {
    Q_OBJECT
public:
    explicit WaveDevice(QObject* parent = nullptr);

    // Wave audio is the only device type there is; nothing to switch.
    void SetDeviceType(const QString& /*deviceType*/) override {}
    void SetFileName(const QString& fileName) override;
    void SetCommand(const QString& command) override;

    // Decodes a cue ahead of its first "Open", off the click path.
    void Preload(const QString& fileName);

private:
    QSoundEffect* EffectFor(const QString& fileName);

    QString fileName_;
    QSoundEffect* current_ = nullptr;
    QHash<QString, QSoundEffect*> effects_; // owned as children; nullptr for unplayable files
};
