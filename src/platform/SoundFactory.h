#pragma once

#include "SoundDevice.h"

#include <QStringList>
#include <QtPlugin>
#include <memory>

// What the sound module offers: a wave-audio device playing the cues of a
// data folder. The module holds the whole of Qt's multimedia stack, so the
// program loads it only when there is sound to play, after the window is up.
class SoundFactory {
public:
    virtual ~SoundFactory() = default;
    virtual std::unique_ptr<SoundDevice> create(const QString& folder, const QStringList& cues) = 0;
};

#define SoundFactory_iid "org.tilewise.SoundFactory/1.0"
Q_DECLARE_INTERFACE(SoundFactory, SoundFactory_iid)
