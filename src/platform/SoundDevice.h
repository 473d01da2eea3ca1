#pragma once

#include <QString>

// The wave-audio device that the game's cues go through: a file name and the
// commands "Open", "Play" and "Close", nothing read back. A missing or
// unplayable file stays silent; a command never blocks.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    virtual void SetDeviceType(const QString& deviceType) = 0;
    virtual void SetFileName(const QString& fileName) = 0;
    virtual void SetCommand(const QString& command) = 0;
};
